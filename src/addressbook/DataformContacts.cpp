// The address book window's import, export and search, and the check for
// letters the address file cannot hold before it is written.
#include "addressbook/Dataform.h"

#include "addressbook/Contacts.h"
#include "addressbook/ImportPlan.h"
#include "addressbook/NearestLetters.h"
#include "addressbook/RecordSearch.h"
#include "platform/Twips.h"
#include "platform/BusyPointer.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

namespace {

const QColor noMatchBackground(255, 200, 200);

// At most this many lines name the records with unholdable letters.
constexpr int listedRecords = 15;

}

void Dataform::ImportKnop_Click()
{
    const QString path = Dialogs::openFileName(this, QStringLiteral("Contacten importeren"),
                                               QStringLiteral("Contacten|*.csv;*.vcf"));
    if (path.isEmpty())
        return;
    ContactImport imported;
    ImportPlan::Plan plan;
    {
        BusyPointer busy;
        imported = Contacts::importFile(path);
        if (imported.error.isEmpty())
            plan = ImportPlan::make(bookToSave(), imported);
    }
    const QString title = QStringLiteral(" Importeren");
    if (!imported.error.isEmpty()) {
        Dialogs::showMessage(this, imported.error, title, Dialogs::Icon::Warning);
        return;
    }
    if (plan.toAdd.isEmpty()) {
        Dialogs::showMessage(this, ImportPlan::summary(plan), title);
        return;
    }
    if (plan.overLimit) {
        Dialogs::showMessage(this, ImportPlan::overLimitMessage(), title, Dialogs::Icon::Warning);
        return;
    }
    if (!Dialogs::askYesNo(this, ImportPlan::summary(plan), title))
        return;
    const int firstNew = recordCount;
    for (const AddressRecord& record : plan.toAdd) {
        Lijstbox[1].append(record.naam);
        Lijstbox[2].append(record.adres);
        Lijstbox[3].append(record.postcodeWoonplaats);
        Lijstbox[4].append(record.land);
    }
    recordCount = int(Lijstbox[1].size());
    currentRecord = firstNew;
    PlaatsRecord(currentRecord);
}

void Dataform::ExportKnop_Click()
{
    const QString title = QStringLiteral(" Exporteren");
    if (recordCount == 0) {
        Dialogs::showMessage(this, QStringLiteral("Het adresboek bevat geen adressen om te exporteren."), title);
        return;
    }
    int type = 0;
    QString path = Dialogs::saveFileNameAndType(this, QStringLiteral("Contacten exporteren"),
                                                QStringLiteral("CSV-bestand|*.csv|vCard-bestand|*.vcf"), type);
    if (path.isEmpty())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("csv") && suffix != QLatin1String("vcf"))
        path += type == 1 ? QStringLiteral(".vcf") : QStringLiteral(".csv");
    bool written = false;
    {
        BusyPointer busy;
        written = Contacts::exportFile(bookToSave().records, path);
    }
    if (!written)
        Dialogs::showMessage(this,
                             QStringLiteral("De adressen konden niet worden opgeslagen in:\n%1")
                                 .arg(QDir::toNativeSeparators(path)),
                             title, Dialogs::Icon::Warning);
}

void Dataform::showSearchResult(int record)
{
    if (record < 0) {
        QPalette palette = zoekPalette_;
        palette.setColor(QPalette::Base, noMatchBackground);
        ZoekText->setPalette(palette);
        return;
    }
    ZoekText->setPalette(zoekPalette_);
    currentRecord = record;
    PlaatsRecord(currentRecord);
}

void Dataform::ZoekText_Change()
{
    if (ZoekText->text().trimmed().isEmpty()) {
        ZoekText->setPalette(zoekPalette_);
        return;
    }
    showSearchResult(RecordSearch::find(Lijstbox[1], Lijstbox[3], ZoekText->text(), 0));
}

void Dataform::ZoekText_Enter()
{
    if (ZoekText->text().trimmed().isEmpty())
        return;
    showSearchResult(RecordSearch::find(Lijstbox[1], Lijstbox[3], ZoekText->text(), currentRecord + 1));
}

bool Dataform::replaceLettersBeforeSaving()
{
    QStringList lines;
    for (int k = 0; k < recordCount; ++k) {
        const QString letters = NearestLetters::unholdable(Lijstbox[1][k] + Lijstbox[2][k] + Lijstbox[3][k] + Lijstbox[4][k]);
        if (!letters.isEmpty())
            lines.append(QStringLiteral("%1: %2").arg(Lijstbox[1][k], letters));
    }
    const QString senderLetters = NearestLetters::unholdable(Afz->text());
    if (!senderLetters.isEmpty())
        lines.append(QStringLiteral("Afzender: %1").arg(senderLetters));
    if (lines.isEmpty())
        return true;
    if (lines.size() > listedRecords) {
        const qsizetype more = lines.size() - (listedRecords - 1);
        lines = lines.mid(0, listedRecords - 1);
        lines.append(QStringLiteral("... en nog %1").arg(more));
    }
    const QString question =
        QStringLiteral("Het adressenbestand kan deze letters niet bewaren:\n\n%1\n\n"
                       "Wilt u ze vervangen door de dichtstbijzijnde gewone letters (bijvoorbeeld \"Ł\" door \"L\")? "
                       "Bij Nee wordt er niets opgeslagen.")
            .arg(lines.join(QLatin1Char('\n')));
    if (!Dialogs::askYesNo(this, question, QStringLiteral(" Opslaan")))
        return false;
    for (int i = 1; i <= 4; ++i) {
        for (QString& field : Lijstbox[i])
            field = Contacts::toWindows1252Letters(field);
    }
    Afz->setText(Contacts::toWindows1252Letters(Afz->text()));
    return true;
}
