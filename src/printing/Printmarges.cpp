#include "printing/Printmarges.h"

#include "platform/Settings.h"
#include "platform/Twips.h"
#include "platform/BusyPointer.h"
#include "platform/ComboText.h"
#include "platform/DecimalSpinBox.h"
#include "platform/Dialogs.h"
#include "platform/LabelSheetStart.h"
#include "printing/AlignmentSheet.h"
#include "printing/LabelSettingsInput.h"
#include "printing/LabelSheetPicture.h"
#include "printing/PrintRun.h"
#include "printing/PrintSettings.h"
#include "printing/PrintSettingsStore.h"
#include "printing/PrinterDevicePage.h"
#include "printing/SessionPrinter.h"
#include "printing/WindowGeometry.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

namespace {

// The window's title, also over its messages.
QString title()
{
    return Printmarges::tr(" Afdruk Marges");
}

// The four alignment inputs (printer, then back) below the labels-per-sheet
// list, the Testvel button below the others, and the explanation below the
// label picture.
constexpr int OffsetRow = 555;
constexpr int OffsetRows = 4 * OffsetRow;
constexpr int ButtonStep = 330;
constexpr int AlignmentRows = OffsetRows + ButtonStep;

template <typename Widget, typename... Args>
Widget* make(QWidget* parent, const QString& name, Args&&... args)
{
    auto* widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(name);
    return widget;
}

}

Printmarges::Printmarges(PrintSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings)
{
    setObjectName("Printmarges");
    setWindowTitle(title());
    if (parent)
        setFont(parent->font());
    setModal(true);
    buildControls();
    showSettings();
}

void Printmarges::buildControls()
{
    setOuterSizeInTwips(this, 5700, 4755 + AlignmentRows);

    Frame1 = make<QGroupBox>(this, "Frame1");
    placeInTwips(Frame1, 90, 0, 3930, 4200 + AlignmentRows);
    Image1 = make<QLabel>(Frame1, "Image1");
    placeInTwips(Image1, 150, 240, 3600, 3900);
    Image1->setPixmap(QPixmap::fromImage(labelSheetPicture(Image1->size())));

    Frame2 = make<QGroupBox>(this, "Frame2");
    placeInTwips(Frame2, 4110, 0, 1425, 2610 + OffsetRows);
    static const char* const letters[] = {"", "A", "B", "C", "D"};
    for (int i = 1; i <= 4; ++i) {
        const int top = 240 + 300 * (i - 1);
        MargeText[i] = make<QLineEdit>(Frame2, QStringLiteral("MargeText_%1").arg(i));
        placeInTwips(MargeText[i], 135, top, 750, 285);
        setBackground(MargeText[i], QColor(220, 180, 120));
        MargeLabel[i] = make<QLabel>(Frame2, QStringLiteral("MargeLabel_%1").arg(i), letters[i]);
        QFont bold = MargeLabel[i]->font();
        bold.setBold(true);
        MargeLabel[i]->setFont(bold);
        setTextColor(MargeLabel[i], QColor(200, 0, 0));
        placeInTwips(MargeLabel[i], 1020, top + 15);
        connect(MargeText[i], &QLineEdit::textChanged, this, [this, i] { MargeText_Change(i); });
    }
    MargeText[3]->setToolTip(tr(" Breedte van de kaartjes "));
    MargeText[4]->setToolTip(tr(" Hoogte van de kaartjes "));

    Label3 = make<QLabel>(Frame2, "Label3", tr("Afmeting in mm"));
    placeInTwips(Label3, 135, 1500);
    Combo1 = make<QComboBox>(Frame2, "Combo1");
    Combo1->setEditable(true);
    Combo1->addItems({"24", "21", "14"});
    openAtShownText(Combo1);
    placeInTwips(Combo1, 135, 1920, 570, -1);
    Label4 = make<QLabel>(Frame2, "Label4", tr("Aantal"));
    placeInTwips(Label4, 765, 2040);
    Label5 = make<QLabel>(Frame2, "Label5", tr("etiketten per vel"));
    placeInTwips(Label5, 135, 2280);

    Frame3 = make<QGroupBox>(this, "Frame3");
    placeInTwips(Frame3, 4110, 2850 + OffsetRows, 1425, 1350 + ButtonStep);
    Label1 = make<QLabel>(Frame3, "Label1");
    placeInTwips(Label1, 120, 210, 1200, 1050 + ButtonStep);
    setBackground(Label1, QColor(64, 64, 64));
    ResetKnop = make<QPushButton>(Frame3, "ResetKnop", tr("Reset"));
    placeInTwips(ResetKnop, 150, 240, 1140, 330);
    CancelKnop = make<QPushButton>(Frame3, "CancelKnop", tr("Cancel"));
    placeInTwips(CancelKnop, 150, 570, 1140, 330);
    OkKnop = make<QPushButton>(Frame3, "OkKnop", tr("Opslaan"));
    placeInTwips(OkKnop, 150, 900, 1140, 330);
    OkKnop->setToolTip(tr(" Gegevens opslaan "));
    for (QPushButton* button : {ResetKnop, CancelKnop, OkKnop})
        button->setAutoDefault(false);

    connect(ResetKnop, &QPushButton::clicked, this, &Printmarges::ResetKnop_Click);
    connect(CancelKnop, &QPushButton::clicked, this, &Printmarges::CancelKnop_Click);
    connect(OkKnop, &QPushButton::clicked, this, &Printmarges::OkKnop_Click);
    buildAlignmentControls();
}

void Printmarges::buildAlignmentControls()
{
    Image2 = make<QLabel>(Frame1, "Image2");
    placeInTwips(Image2, 150, 4200, 3600, AlignmentRows - 120);
    Image2->setPixmap(QPixmap::fromImage(alignmentPicture(Image2->size())));

    const struct {
        QLabel*& label;
        QDoubleSpinBox*& box;
        const char* labelName;
        const char* boxName;
        const char* caption;
        int top;
    } inputs[] = {
        {Label6, OffsetX, "Label6", "OffsetX", QT_TR_NOOP("Verschuiving X"), 2580},
        {Label7, OffsetY, "Label7", "OffsetY", QT_TR_NOOP("Verschuiving Y"), 2580 + OffsetRow},
        {Label8, OffsetAchterX, "Label8", "OffsetAchterX", QT_TR_NOOP("Achterkant X"), 2580 + 2 * OffsetRow},
        {Label9, OffsetAchterY, "Label9", "OffsetAchterY", QT_TR_NOOP("Achterkant Y"), 2580 + 3 * OffsetRow},
    };
    for (const auto& input : inputs) {
        input.label = make<QLabel>(Frame2, input.labelName, tr(input.caption));
        placeInTwips(input.label, 135, input.top);
        input.box = make<DecimalSpinBox>(Frame2, input.boxName);
        input.box->setRange(-Settings::MaxOffset, Settings::MaxOffset);
        input.box->setSingleStep(0.1);
        input.box->setDecimals(1);
        input.box->setSuffix(QStringLiteral(" mm"));
        input.box->setToolTip(input.box == OffsetX || input.box == OffsetY
                                  ? tr(" Positief: naar rechts / naar beneden ")
                                  : tr(" Extra op de achterkanten, zoals het testvel het aangeeft "));
        placeInTwips(input.box, 135, input.top + 225, 1140, 285);
        setBackground(input.box, QColor(220, 180, 120));
    }

    TestvelKnop = make<QPushButton>(Frame3, "TestvelKnop", tr("Testvel"));
    placeInTwips(TestvelKnop, 150, 900 + ButtonStep, 1140, 330);
    TestvelKnop->setToolTip(tr(" Een vel om de uitlijning van de printer te meten "));
    TestvelKnop->setAutoDefault(false);
    TestvelKnop->setEnabled(false);
    connect(TestvelKnop, &QPushButton::clicked, this, &Printmarges::TestvelKnop_Click);
}

void Printmarges::setPrinter(SessionPrinter* printer)
{
    printer_ = printer;
    TestvelKnop->setEnabled(printer_ != nullptr);
}

void Printmarges::showSettings()
{
    Combo1->setEditText(QString::number(settings_.labelsPerSheet));
    OffsetX->setValue(settings_.offsetX);
    OffsetY->setValue(settings_.offsetY);
    OffsetAchterX->setValue(settings_.backOffsetX);
    OffsetAchterY->setValue(settings_.backOffsetY);
    const double values[] = {0, settings_.labelLeft, settings_.labelTop, settings_.labelWidth,
                             double(settings_.labelHeight)};
    for (int i = 1; i <= 4; ++i)
        MargeText[i]->setText(LabelSheetStart::boxText(values[i]));
}

void Printmarges::MargeText_Change(int index)
{
    QLineEdit* box = MargeText[index];
    if (!LabelSettingsInput::keepsTypedText(box->text()))
        box->clear();
}

void Printmarges::ResetKnop_Click()
{
    if (!Dialogs::askYesNo(this, tr("Wilt u de begin marges resetten?"), tr(" Reset")))
        return;
    const PrintSettings startValues;
    settings_.labelLeft = startValues.labelLeft;
    settings_.labelTop = startValues.labelTop;
    settings_.labelWidth = startValues.labelWidth;
    settings_.labelHeight = startValues.labelHeight;
    settings_.labelsPerSheet = startValues.labelsPerSheet;
    settings_.offsetX = startValues.offsetX;
    settings_.offsetY = startValues.offsetY;
    settings_.backOffsetX = startValues.backOffsetX;
    settings_.backOffsetY = startValues.backOffsetY;
    rememberLabelSettings(settings_);
    showSettings();
}

void Printmarges::TestvelKnop_Click()
{
    if (!printer_)
        return;
    std::unique_ptr<PrinterDevicePage> page = printer_->startJob(this);
    if (!page)
        return;
    {
        BusyPointer busy;
        PrintRun::printAlignmentSheet(*page, page->paperMargins(), OffsetX->value(), OffsetY->value(),
                                      OffsetAchterX->value(), OffsetAchterY->value(), this);
    }
    if (page->failed())
        Dialogs::showMessage(this, tr("Het afdrukken is mislukt. Controleer de printer of de bestandsnaam."), title(),
                             Dialogs::Icon::Warning);
    else
        Dialogs::showMessage(this, alignmentInstruction(), title(), Dialogs::Icon::Information);
}

void Printmarges::CancelKnop_Click()
{
    reject();
}

void Printmarges::OkKnop_Click()
{
    const auto read = LabelSettingsInput::read(MargeText[1]->text(), MargeText[2]->text(), MargeText[3]->text(),
                                               MargeText[4]->text(), Combo1->currentText());
    if (const auto* refusal = std::get_if<QString>(&read)) {
        Dialogs::showMessage(this, *refusal, title(), Dialogs::Icon::Warning);
        return;
    }
    const auto& values = std::get<LabelSettingsInput::Values>(read);
    settings_.labelLeft = values.left;
    settings_.labelTop = values.top;
    settings_.labelWidth = values.width;
    settings_.labelHeight = values.height;
    settings_.labelsPerSheet = values.perSheet;
    settings_.offsetX = OffsetX->value();
    settings_.offsetY = OffsetY->value();
    settings_.backOffsetX = OffsetAchterX->value();
    settings_.backOffsetY = OffsetAchterY->value();
    rememberLabelSettings(settings_);
    accept();
}
