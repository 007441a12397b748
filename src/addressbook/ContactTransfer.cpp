#include "addressbook/ContactTransfer.h"

#include "addressbook/Contacts.h"
#include "addressbook/ImportPlan.h"
#include "addressbook/NearestLetters.h"
#include "platform/Twips.h"
#include "platform/BusyPointer.h"
#include "platform/Dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// At most this many lines name the records with unholdable letters.
constexpr int listedRecords = 15;

struct ContactsText {
    Q_DECLARE_TR_FUNCTIONS(Contacts)
};

}

namespace ContactTransfer {

QList<AddressRecord> askImport(QWidget* parent, const AddressBook& book)
{
    //: The file type in the file dialog
    const QString filter = QStringLiteral("%1|*.csv;*.vcf").arg(ContactsText::tr("Contacten"));
    const QString path = Dialogs::openFileName(parent, ContactsText::tr("Contacten importeren"), filter);
    if (path.isEmpty())
        return {};
    ContactImport imported;
    ImportPlan::Plan plan;
    {
        BusyPointer busy;
        imported = Contacts::importFile(path);
        if (imported.error.isEmpty())
            plan = ImportPlan::make(book, imported);
    }
    const QString title = ContactsText::tr(" Importeren");
    if (!imported.error.isEmpty()) {
        Dialogs::showMessage(parent, imported.error, title, Dialogs::Icon::Warning);
        return {};
    }
    if (plan.toAdd.isEmpty()) {
        Dialogs::showMessage(parent, ImportPlan::summary(plan), title);
        return {};
    }
    if (plan.overLimit) {
        Dialogs::showMessage(parent, ImportPlan::overLimitMessage(), title, Dialogs::Icon::Warning);
        return {};
    }
    if (!Dialogs::askYesNo(parent, ImportPlan::summary(plan), title))
        return {};
    return plan.toAdd;
}

void askExport(QWidget* parent, const AddressBook& book)
{
    const QString title = ContactsText::tr(" Exporteren");
    if (book.records.isEmpty()) {
        Dialogs::showMessage(parent, ContactsText::tr("Het adresboek bevat geen adressen om te exporteren."), title);
        return;
    }
    int type = 0;
    const QString filter =
        QStringLiteral("%1|*.csv|%2|*.vcf").arg(ContactsText::tr("CSV-bestand"), ContactsText::tr("vCard-bestand"));
    QString path = Dialogs::saveFileNameAndType(parent, ContactsText::tr("Contacten exporteren"), filter, type);
    if (path.isEmpty())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("csv") && suffix != QLatin1String("vcf"))
        path += type == 1 ? QStringLiteral(".vcf") : QStringLiteral(".csv");
    bool written = false;
    {
        BusyPointer busy;
        written = Contacts::exportFile(book.records, path);
    }
    if (!written)
        Dialogs::showMessage(parent,
                             ContactsText::tr("De adressen konden niet worden opgeslagen in:\n%1")
                                 .arg(QDir::toNativeSeparators(path)),
                             title, Dialogs::Icon::Warning);
}

bool replaceUnholdableLetters(QWidget* parent, std::array<QStringList, 5>& fields, int recordCount, QString& sender)
{
    QStringList lines;
    for (int k = 0; k < recordCount; ++k) {
        const QString letters = NearestLetters::unholdable(fields[1][k] + fields[2][k] + fields[3][k] + fields[4][k]);
        if (!letters.isEmpty())
            lines.append(QStringLiteral("%1: %2").arg(fields[1][k], letters));
    }
    const QString senderLetters = NearestLetters::unholdable(sender);
    if (!senderLetters.isEmpty())
        lines.append(ContactsText::tr("Afzender: %1").arg(senderLetters));
    if (lines.isEmpty())
        return true;
    if (lines.size() > listedRecords) {
        const qsizetype more = lines.size() - (listedRecords - 1);
        lines = lines.mid(0, listedRecords - 1);
        lines.append(ContactsText::tr("... en nog %1").arg(more));
    }
    const QString question =
        ContactsText::tr("Het adressenbestand kan deze letters niet bewaren:\n\n%1\n\n"
                         "Wilt u ze vervangen door de dichtstbijzijnde gewone letters (bijvoorbeeld \"Ł\" door \"L\")? "
                         "Bij Nee wordt er niets opgeslagen.")
            .arg(lines.join(QLatin1Char('\n')));
    if (!Dialogs::askYesNo(parent, question, ContactsText::tr(" Opslaan")))
        return false;
    for (int i = 1; i <= 4; ++i) {
        for (QString& field : fields[std::size_t(i)])
            field = Contacts::toWindows1252Letters(field);
    }
    sender = Contacts::toWindows1252Letters(sender);
    return true;
}

}
