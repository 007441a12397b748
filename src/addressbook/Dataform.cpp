#include "addressbook/Dataform.h"

#include "addressbook/ContactTransfer.h"
#include "addressbook/DataformPictures.h"
#include "addressbook/ImportPlan.h"
#include "addressbook/RecordSearch.h"
#include "platform/Twips.h"
#include "platform/BusyPointer.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <type_traits>

namespace {

template <typename Widget>
Widget* make(QWidget* parent, const QString& name, const QString& text = QString())
{
    auto* widget = new Widget(parent);
    widget->setObjectName(name);
    if constexpr (!std::is_same_v<Widget, QGroupBox>)
        widget->setText(text);
    return widget;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QString& toolTip)
{
    auto* button = make<QPushButton>(parent, name, caption);
    button->setToolTip(toolTip);
    // Enter in a text box must not press a button (it would add or save).
    button->setAutoDefault(false);
    return button;
}

QPushButton* makeArrowButton(QWidget* parent, const QString& name, DataformPictures::Arrow arrow,
                             const QString& toolTip)
{
    auto* button = makeButton(parent, name, QString(), toolTip);
    const QPixmap picture = DataformPictures::arrow(arrow);
    button->setIcon(picture);
    button->setIconSize(picture.size());
    return button;
}

// A record field as stored: what was typed, or "-" when it holds only blanks.
QString storedField(const QString& typed)
{
    return typed.trimmed().isEmpty() ? QStringLiteral("-") : typed;
}

const QColor captionColor(100, 100, 0);
const QColor noMatchBackground(255, 200, 200);

}

Dataform::Dataform(QWidget* parent, const QString& addressFilePath)
    : QDialog(parent), addressFilePath_(addressFilePath)
{
    setObjectName("Dataform");
    setWindowTitle(tr(" Adressenbestand"));
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    // The outer size is 6000 x 4680 twips, frame and caption bar included.
    setFixedSize(twipsToPixels(6000) - 8, twipsToPixels(4680) - 30);
    buildControls();
    connectButtons();
    loadAddressBook();
}

void Dataform::buildControls()
{
    Frame1 = make<QGroupBox>(this, "Frame1");
    placeInTwips(Frame1, 75, 0, 5775, 4140);

    Image1 = make<QLabel>(Frame1, "Image1");
    Image1->setPixmap(DataformPictures::addressCard());
    placeInTwips(Image1, 5100, 270);

    static const char* const captions[] = {nullptr, QT_TR_NOOP("Naam"), QT_TR_NOOP("Adres"),
                                           QT_TR_NOOP("Postcode en Woonplaats"), QT_TR_NOOP("Land")};
    for (int i = 1; i <= 4; ++i) {
        const int rowTop = 390 * (i - 1);
        Tekstbox[i] = make<QLineEdit>(Frame1, QStringLiteral("Tekstbox_%1").arg(i));
        QFont bold = Tekstbox[i]->font();
        bold.setBold(true);
        Tekstbox[i]->setFont(bold);
        setTextColor(Tekstbox[i], QColor(20, 20, 60));
        setBackground(Tekstbox[i], QColor(170 + 10 * i, 210 + 10 * i, 0));
        placeInTwips(Tekstbox[i], 135, 240 + rowTop, 3600, 330);

        Tekstlabel[i] = make<QLabel>(Frame1, QStringLiteral("Tekstlabel_%1").arg(i), tr(captions[i]));
        setTextColor(Tekstlabel[i], captionColor);
        placeInTwips(Tekstlabel[i], 3810, 300 + rowTop);
    }

    // Sunken strips behind the button row and behind the two closing buttons.
    Label1 = make<QLabel>(Frame1, "Label1");
    Label1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    placeInTwips(Label1, 135, 2010, 5505, 390);

    AddKnop = makeButton(Frame1, "AddKnop", tr("Toevoegen"), tr(" Naam toevoegen "));
    placeInTwips(AddKnop, 165, 2040, 1005, 330);
    BeginKnop = makeArrowButton(Frame1, "BeginKnop", DataformPictures::Arrow::First, tr(" Eerste naam "));
    placeInTwips(BeginKnop, 1170, 2040, 450, 330);
    VorigeKnop = makeArrowButton(Frame1, "VorigeKnop", DataformPictures::Arrow::Previous, tr(" Vorige naam "));
    placeInTwips(VorigeKnop, 1620, 2040, 450, 330);
    RecordLabel = make<QLabel>(Frame1, "RecordLabel");
    setRecordLabel(QStringLiteral("1 / 1"));
    VolgendeKnop = makeArrowButton(Frame1, "VolgendeKnop", DataformPictures::Arrow::Next, tr(" Volgende naam "));
    placeInTwips(VolgendeKnop, 2970, 2040, 450, 330);
    LaatsteKnop = makeArrowButton(Frame1, "LaatsteKnop", DataformPictures::Arrow::Last, tr(" Laatste naam "));
    placeInTwips(LaatsteKnop, 3420, 2040, 450, 330);
    WijzigKnop = makeButton(Frame1, "WijzigKnop", tr("Wijzig"), tr(" Naam wijzigen "));
    placeInTwips(WijzigKnop, 3870, 2040, 900, 330);
    DeleteKnop = makeButton(Frame1, "DeleteKnop", tr("Delete"), tr(" Naam verwijderen "));
    placeInTwips(DeleteKnop, 4770, 2040, 840, 330);

    Afz = make<QLineEdit>(Frame1, "Afz");
    setBackground(Afz, QColor(220, 220, 220));
    placeInTwips(Afz, 135, 2640, 3600, 330);
    Label4 = make<QLabel>(Frame1, "Label4", tr("Afzender"));
    setTextColor(Label4, captionColor);
    placeInTwips(Label4, 3810, 2700);
    Label3 = make<QLabel>(Frame1, "Label3",
                          tr("Plaats hierboven éénmalig uw naam voor op de adreszijde van de "
                             "ontworpen prentvellen."));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColor(Label3, captionColor);
    placeInTwips(Label3, 135, 3120, 3570, 420);

    Label2 = make<QLabel>(Frame1, "Label2");
    Label2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    placeInTwips(Label2, 3870, 3135, 1770, 390);
    CancelKnop = makeButton(Frame1, "CancelKnop", tr("Cancel"), QString());
    placeInTwips(CancelKnop, 3900, 3165, 840, 330);
    OkKnop = makeButton(Frame1, "OkKnop", tr("Opslaan"), tr(" Gegevens Opslaan "));
    placeInTwips(OkKnop, 4740, 3165, 870, 330);

    // The strips lie behind their buttons.
    Label1->lower();
    Label2->lower();
    buildContactControls();
}

void Dataform::buildContactControls()
{
    ZoekText = make<QLineEdit>(Frame1, "ZoekText");
    placeInTwips(ZoekText, 135, 3660, 2100, 330);
    zoekPalette_ = ZoekText->palette();
    ZoekLabel = make<QLabel>(Frame1, "ZoekLabel", tr("Zoeken"));
    setTextColor(ZoekLabel, captionColor);
    placeInTwips(ZoekLabel, 2310, 3720);
    ImportKnop = makeButton(Frame1, "ImportKnop", tr("Importeren..."),
                            tr(" Adressen uit een CSV- of vCard-bestand toevoegen "));
    placeInTwips(ImportKnop, 3030, 3660, 1290, 330);
    ExportKnop = makeButton(Frame1, "ExportKnop", tr("Exporteren..."),
                            tr(" Alle adressen als CSV- of vCard-bestand opslaan "));
    placeInTwips(ExportKnop, 4320, 3660, 1290, 330);

    connect(ZoekText, &QLineEdit::textChanged, this, &Dataform::ZoekText_Change);
    connect(ZoekText, &QLineEdit::returnPressed, this, &Dataform::ZoekText_Enter);
    connect(ImportKnop, &QPushButton::clicked, this, &Dataform::ImportKnop_Click);
    connect(ExportKnop, &QPushButton::clicked, this, &Dataform::ExportKnop_Click);
}

void Dataform::connectButtons()
{
    connect(AddKnop, &QPushButton::clicked, this, &Dataform::AddKnop_Click);
    connect(BeginKnop, &QPushButton::clicked, this, &Dataform::BeginKnop_Click);
    connect(VorigeKnop, &QPushButton::clicked, this, &Dataform::VorigeKnop_Click);
    connect(VolgendeKnop, &QPushButton::clicked, this, &Dataform::VolgendeKnop_Click);
    connect(LaatsteKnop, &QPushButton::clicked, this, &Dataform::LaatsteKnop_Click);
    connect(WijzigKnop, &QPushButton::clicked, this, &Dataform::WijzigKnop_Click);
    connect(DeleteKnop, &QPushButton::clicked, this, &Dataform::DeleteKnop_Click);
    connect(OkKnop, &QPushButton::clicked, this, &Dataform::OkKnop_Click);
    connect(CancelKnop, &QPushButton::clicked, this, &Dataform::CancelKnop_Click);
}

void Dataform::loadAddressBook()
{
    bool tooLarge = false;
    const std::optional<AddressBook> book = AddressFile::load(addressFilePath_, &tooLarge);
    if (tooLarge) {
        // Saving the empty window would replace the file: only "Cancel" is left.
        OkKnop->setEnabled(false);
        Dialogs::showMessage(this, AddressFile::tooLargeMessage(addressFilePath_), tr("Adressen"),
                             Dialogs::Icon::Warning);
    }
    if (!book)
        return;  // no file yet: empty boxes and "1 / 1"
    for (const AddressRecord& record : book->records) {
        Lijstbox[1].append(record.naam);
        Lijstbox[2].append(record.adres);
        Lijstbox[3].append(record.postcodeWoonplaats);
        Lijstbox[4].append(record.land);
    }
    for (int i = 1; i <= 4; ++i)
        Tekstbox[i]->setText(Lijstbox[i].value(0));
    senderLine = book->senderLine;
    Afz->setText(senderLine);
    currentRecord = 0;
    recordCount = int(Lijstbox[1].size());
    setRecordLabel(QStringLiteral("1/%1").arg(recordCount));
}

void Dataform::setRecordLabel(const QString& text)
{
    RecordLabel->setText(text);
    placeInTwips(RecordLabel, 2190, 2100);
}

bool Dataform::showsRecord() const
{
    return currentRecord >= 0 && currentRecord < recordCount;
}

void Dataform::PlaatsRecord(int record)
{
    for (int i = 1; i <= 4; ++i)
        Tekstbox[i]->setText(Lijstbox[i].value(record));
    setRecordLabel(QStringLiteral("%1/%2").arg(record + 1).arg(recordCount));
}

void Dataform::AddKnop_Click()
{
    if (Tekstbox[1]->text().trimmed().isEmpty())
        return;
    AddressBook grown = bookToSave();
    grown.records.append({Tekstbox[1]->text(), Tekstbox[2]->text(), Tekstbox[3]->text(), Tekstbox[4]->text()});
    if (!ImportPlan::fits(grown)) {
        Dialogs::showMessage(this, ImportPlan::overLimitMessage(), tr(" Toevoegen"), Dialogs::Icon::Warning);
        return;
    }
    for (int i = 1; i <= 4; ++i) {
        Lijstbox[i].append(storedField(Tekstbox[i]->text()));
        Tekstbox[i]->clear();
    }
    recordCount = int(Lijstbox[1].size());
    currentRecord = recordCount;
    setRecordLabel(QStringLiteral("%1/%1").arg(recordCount));
    Tekstbox[1]->setFocus();
}

void Dataform::BeginKnop_Click()
{
    if (recordCount == 0)
        return;
    currentRecord = 0;
    PlaatsRecord(currentRecord);
}

void Dataform::VorigeKnop_Click()
{
    if (recordCount == 0)
        return;
    currentRecord = std::max(currentRecord - 1, 0);
    PlaatsRecord(currentRecord);
}

void Dataform::VolgendeKnop_Click()
{
    if (recordCount == 0)
        return;
    // Never past the last record, also not from the empty entry after "Toevoegen".
    currentRecord = std::min(currentRecord + 1, recordCount - 1);
    PlaatsRecord(currentRecord);
}

void Dataform::LaatsteKnop_Click()
{
    if (recordCount == 0)
        return;
    currentRecord = recordCount - 1;
    PlaatsRecord(currentRecord);
}

void Dataform::WijzigKnop_Click()
{
    // Right after "Toevoegen" the boxes show no record, so there is nothing to change.
    if (!showsRecord())
        return;
    if (!Dialogs::askYesNo(this, tr("Wilt u deze gegevens wijzigen?"), tr("Wijzigen")))
        return;
    for (int i = 1; i <= 4; ++i)
        Lijstbox[i][currentRecord] = storedField(Tekstbox[i]->text());
}

void Dataform::DeleteKnop_Click()
{
    if (!showsRecord())
        return;
    if (!Dialogs::askYesNo(this, tr("Wilt u deze gegevens verwijderen?"), tr("Delete")))
        return;
    for (int i = 1; i <= 4; ++i)
        Lijstbox[i].removeAt(currentRecord);
    currentRecord = 0;
    recordCount = int(Lijstbox[1].size());
    PlaatsRecord(0);
}

AddressBook Dataform::bookToSave() const
{
    AddressBook book;
    book.senderLine = Afz->text();
    for (int k = 0; k < recordCount; ++k)
        book.records.append({Lijstbox[1][k], Lijstbox[2][k], Lijstbox[3][k], Lijstbox[4][k]});
    return book;
}

void Dataform::ImportKnop_Click()
{
    const QList<AddressRecord> added = ContactTransfer::askImport(this, bookToSave());
    if (added.isEmpty())
        return;
    const int firstNew = recordCount;
    for (const AddressRecord& record : added) {
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
    ContactTransfer::askExport(this, bookToSave());
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

void Dataform::OkKnop_Click()
{
    QString sender = Afz->text();
    const bool replaced = ContactTransfer::replaceUnholdableLetters(this, Lijstbox, recordCount, sender);
    Afz->setText(sender);
    if (!replaced)
        return;
    std::optional<QString> savedTo;
    {
        BusyPointer busy;
        savedTo = AddressFile::saveOrMove(bookToSave(), addressFilePath_, AddressFile::dataFolder());
    }
    if (!savedTo) {
        // Stay open with everything typed, so nothing is lost.
        Dialogs::showMessage(this,
                             tr("Het adressenbestand kon niet worden opgeslagen:\n%1")
                                 .arg(QDir::toNativeSeparators(addressFilePath_)),
                             tr(" Opslaan"), Dialogs::Icon::Warning);
        return;
    }
    if (*savedTo != addressFilePath_) {
        addressFilePath_ = *savedTo;
        Dialogs::showMessage(this,
                             tr("Het adressenbestand kon niet in de programmamap worden opgeslagen.\n"
                                "Het staat nu in:\n%1")
                                 .arg(QDir::toNativeSeparators(addressFilePath_)),
                             tr(" Opslaan"), Dialogs::Icon::Information);
    }
    accept();
}

void Dataform::CancelKnop_Click()
{
    reject();
}
