#include "printing/Afdrukken.h"

#include "editor/EditorState.h"
#include "platform/Twips.h"
#include "editor/CardLayouts.h"
#include "platform/BusyGuard.h"
#include "platform/BusyPointer.h"
#include "platform/CardSurface.h"
#include "platform/Dialogs.h"
#include "platform/EventPump.h"
#include "platform/SharpPicture.h"
#include "platform/Wait.h"
#include "platform/ComboText.h"
#include "platform/Settings.h"
#include "printing/AfdrukVoorbeeld.h"
#include "printing/PrintPreview.h"
#include "printing/PrintSettings.h"
#include "printing/PrinterDevicePage.h"
#include "printing/SessionPrinter.h"
#include "printing/SheetPicture.h"
#include "printing/WindowGeometry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>

namespace {

// The title of the window's messages.
QString title()
{
    return Afdrukken::tr(" Afdrukken");
}

// The row of the Voorbeeld button makes the window this much taller than its
// first design; everything below the buttons moves down with it.
constexpr int PreviewRow = 390;
constexpr int ClosedHeight = 3810 + PreviewRow;
constexpr int HeightStep = 30;
// The frames' designed heights (twips); the paper row below the buttons and
// the name lists make them taller, by the controls' real heights (pixels).
constexpr int Frame1Height = 3270 + PreviewRow;
constexpr int Frame2Height = 990;
constexpr int RowGap = 14;          // between the buttons and the paper row
constexpr int FramePadding = 6;     // below a frame's lowest control
constexpr int NameStep = 24;        // from one name list to the next, at least
constexpr int FrameGap = 2;         // between the frames, and below the last one

template <typename Widget, typename... Args>
Widget* make(QWidget* parent, const QString& name, Args&&... args)
{
    auto* widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(name);
    return widget;
}

QComboBox* makeCombo(QWidget* parent, const QString& name, const QColor& background)
{
    auto* combo = make<QComboBox>(parent, name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    setBackground(combo, background);
    return combo;
}

// A small printer with a sheet coming out, the window's decoration.
QPixmap printerPicture()
{
    QImage image(40, 34, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(10.5, 1.5, 19, 12));
    p.setBrush(QColor(150, 150, 160));
    p.drawRoundedRect(QRectF(2.5, 12.5, 35, 14), 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9.5, 22.5, 21, 10));
    p.setPen(QColor(192, 0, 0));
    p.drawLine(QPointF(13, 26.5), QPointF(27, 26.5));
    p.setPen(QColor(90, 90, 90));
    p.drawLine(QPointF(13, 29.5), QPointF(23, 29.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 200, 80));
    p.drawEllipse(QPointF(32, 17), 1.8, 1.8);
    return QPixmap::fromImage(image);
}

}

Afdrukken::Afdrukken(const EditorState& state, const PrintSettings& settings, const CardSurface& card,
                     SessionPrinter& printer, PrintRun::BookLoader loadBook, QWidget* parent)
    : QDialog(parent), state_(state), settings_(settings), card_(card), printer_(printer),
      loadBook_(std::move(loadBook)), preview_(std::make_unique<CardSurface>(PreviewWidth, PreviewHeight))
{
    setObjectName("Afdrukken");
    setWindowTitle(tr(" Kaarten Afdrukken"));
    if (parent)
        setFont(parent->font());
    setModal(true);
    preview_->backColor = RGB(220, 230, 180);
    sides_.picture = [this](CardSide side, bool printCopy) {
        if (side == CardSide::Front)
            return printCopy && card_.hasPrintCopy() ? card_.printImage() : card_.image();
        CardSurface back;
        back.clear();
        TekenAdreszijde(back);
        return printCopy ? back.printImage() : back.image();
    };
    buildControls();

    // The window opens at the mode last used.
    if (printModeRow(settings_.printMode))
        VScroll1->setValue(settings_.printMode);
    VScroll1_Change();
    if (VScroll1->value() == PrintRun::FirstMode)
        Label2->setText(PrintRun::openingCaption(addressSide()));
    connect(VScroll1, &QScrollBar::valueChanged, this, &Afdrukken::VScroll1_Change);
    connect(ComboPapier, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int index) {
        Settings::setPostcardPaper(PostcardPaper::key(PostcardPaper::Id(index)));
        showSheetPicture();
    });
    connect(CheckRandloos, &QCheckBox::toggled, this, [this](bool on) {
        Settings::setBorderless(on);
        showSheetPicture();
    });
    connect(CheckDubbelzijdig, &QCheckBox::toggled, this, &Afdrukken::CheckDubbelzijdig_Click);
    connect(Check1, &QCheckBox::toggled, this, &Afdrukken::Check1_Click);
    connect(PrintKnop, &QPushButton::clicked, this, &Afdrukken::PrintKnop_Click);
    connect(ExitKnop, &QPushButton::clicked, this, &Afdrukken::ExitKnop_Click);
    connect(VoorbeeldKnop, &QPushButton::clicked, this, &Afdrukken::VoorbeeldKnop_Click);
}

Afdrukken::~Afdrukken() = default;

void Afdrukken::setSides(CardSides sides)
{
    sides_ = std::move(sides);
    frontSample_ = QImage();
    backSample_ = QImage();
    showSheetPicture();
}

QImage Afdrukken::sidePicture(CardSide side, bool printCopy) const
{
    if (printCopy)
        return sides_.picture(side, true);
    QImage& kept = side == CardSide::Front ? frontSample_ : backSample_;
    if (kept.isNull())
        kept = sides_.picture(side, false);
    return kept;
}

void Afdrukken::buildControls()
{
    setOuterSizeInTwips(this, 5025, ClosedHeight);
    heightTwips_ = ClosedHeight;

    Frame1 = make<QGroupBox>(this, "Frame1");
    placeInTwips(Frame1, 90, 0, 4770, 3270 + PreviewRow);
    BackA4 = make<QLabel>(Frame1, "BackA4");
    placeInTwips(BackA4, 180, 270, 2085, 2835);
    setBackground(BackA4, QColor(128, 128, 128));
    Picture1 = make<QLabel>(Frame1, "Picture1");
    placeInTwips(Picture1, 240, 330, 1950, 2700);
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setToolTip(tr(" WYSIWYG "));
    Lijn = make<QFrame>(Picture1, "Lijn");
    Lijn->setGeometry(0, 0, 140, 1);
    setBackground(Lijn, QColor(192, 0, 0));
    Lijn->hide();

    Label3 = make<QLabel>(Frame1, "Label3");
    placeInTwips(Label3, 2325, 270, 360, 2835);
    setBackground(Label3, QColor(64, 64, 64));
    VScroll1 = make<QScrollBar>(Frame1, "VScroll1", Qt::Vertical);
    VScroll1->setRange(PrintRun::FirstMode, PrintRun::LastMode);
    VScroll1->setPageStep(1);
    VScroll1->setValue(PrintRun::FirstMode);
    placeInTwips(VScroll1, 2355, 300, 300, 2775);

    Combo1 = makeCombo(Frame1, "Combo1", QColor(192, 255, 192));
    for (int n = 1; n <= PrintRun::MaxCopies; ++n)
        Combo1->addItem(QString::number(n));
    Combo1->setEditText("1");
    placeInTwips(Combo1, 2820, 270, 600, -1);
    Label4 = make<QLabel>(Frame1, "Label4", tr("Copy's"));
    placeInTwips(Label4, 3480, 315);

    Label2 = make<QLabel>(Frame1, "Label2", tr("Info..."));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColor(Label2, QColor(100, 100, 100));
    placeInTwips(Label2, 2820, 750, 1845, 690);
    CheckDubbelzijdig = make<QCheckBox>(Frame1, "CheckDubbelzijdig", tr("Beide zijden"));
    CheckDubbelzijdig->setToolTip(
        tr(" Ook de adreszijde afdrukken: dubbelzijdig, of de vellen omdraaien en nog eens invoeren "));
    placeInTwips(CheckDubbelzijdig, 2820, 1440);
    Check1 = make<QCheckBox>(Frame1, "Check1", tr("Met adressen en afz."));
    placeInTwips(Check1, 2820, 1740);

    const int currentYear = QDate::currentDate().year();
    Combo2 = makeCombo(Frame1, "Combo2", QColor(192, 255, 192));
    Combo2->addItems(PrintRun::yearItems(currentYear));
    Combo2->setEditText(QString::number(currentYear));
    openAtShownText(Combo2);
    placeInTwips(Combo2, 2820, 1500, 810, -1);
    Combo2->hide();
    Label5 = make<QLabel>(Frame1, "Label5", tr("Jaar"));
    placeInTwips(Label5, 3690, 1560);
    Label5->hide();

    Image1 = make<QLabel>(Frame1, "Image1");
    Image1->setPixmap(printerPicture());
    placeInTwips(Image1, 3000, 2160);

    Label1 = make<QLabel>(Frame1, "Label1");
    placeInTwips(Label1, 2820, 2730, 1800, 690);
    setBackground(Label1, QColor(64, 64, 64));
    PrintKnop = make<QPushButton>(Frame1, "PrintKnop", tr("Print"));
    placeInTwips(PrintKnop, 2850, 2760, 870, 315);
    setBackground(PrintKnop, QColor(192, 255, 192));
    ExitKnop = make<QPushButton>(Frame1, "ExitKnop", tr("Exit"));
    placeInTwips(ExitKnop, 3720, 2760, 870, 315);
    setBackground(ExitKnop, QColor(255, 192, 192));
    VoorbeeldKnop = make<QPushButton>(Frame1, "VoorbeeldKnop", tr("Voorbeeld"));
    placeInTwips(VoorbeeldKnop, 2850, 3075, 1740, 315);
    VoorbeeldKnop->setToolTip(tr(" De echte vellen bekijken "));
    setBackground(VoorbeeldKnop, QColor(255, 255, 192));
    for (QPushButton* button : {PrintKnop, ExitKnop, VoorbeeldKnop})
        button->setAutoDefault(false);

    ComboPapier = make<QComboBox>(Frame1, "ComboPapier");
    ComboPapier->addItems(PostcardPaper::captions());
    ComboPapier->setCurrentIndex(PostcardPaper::fromKey(Settings::postcardPaper()));
    setBackground(ComboPapier, QColor(192, 255, 192));
    placeInTwips(ComboPapier, 240, Frame1Height - 60, 2400, -1);
    // Wide enough for the longest paper name.
    int paperWidth = 0;
    for (const QString& caption : PostcardPaper::captions())
        paperWidth = std::max(paperWidth, ComboPapier->fontMetrics().horizontalAdvance(caption));
    ComboPapier->setFixedWidth(std::max(ComboPapier->width(), paperWidth + 44));
    CheckRandloos = make<QCheckBox>(Frame1, "CheckRandloos", tr("Randloos"));
    CheckRandloos->setChecked(Settings::borderless());
    CheckRandloos->setToolTip(tr(" Tot aan de randen van het papier (de printer moet randloos kunnen printen) "));
    CheckRandloos->adjustSize();
    CheckRandloos->move(ComboPapier->geometry().right() + 10,
                        ComboPapier->y() + (ComboPapier->height() - CheckRandloos->height()) / 2);
    ComboPapier->hide();
    CheckRandloos->hide();

    Frame2 = make<QGroupBox>(this, "Frame2");
    placeInTwips(Frame2, 90, Frame1Height + 30, 4770, Frame2Height);
    ComboNaam1 = makeCombo(Frame2, "ComboNaam1", QColor(220, 240, 160));
    ComboNaam1->setEditText(tr("Selecteer 1e naam"));
    placeInTwips(ComboNaam1, 90, 210, 3300, -1);
    ComboNaam2 = makeCombo(Frame2, "ComboNaam2", QColor(220, 240, 160));
    ComboNaam2->setEditText(tr("Selecteer 2e naam"));
    placeInTwips(ComboNaam2, 90, 570, 3300, -1);
    ComboNaam3 = makeCombo(Frame2, "ComboNaam3", QColor(220, 240, 160));
    ComboNaam3->setEditText(tr("Selecteer 3e naam"));
    placeInTwips(ComboNaam3, 90, 930, 3300, -1);
    ComboNaam4 = makeCombo(Frame2, "ComboNaam4", QColor(220, 240, 160));
    ComboNaam4->setEditText(tr("Selecteer 4e naam"));
    placeInTwips(ComboNaam4, 90, 1290, 3300, -1);
    ComboNaam3->hide();
    ComboNaam4->hide();
}

unsigned Afdrukken::extraControls() const
{
    const PrintModeRow* row = printModeRow(VScroll1->value());
    return row ? row->extraControls : NoExtraControls;
}

int Afdrukken::closedHeight() const
{
    return (Frame1->geometry().bottom() + 1 + FrameGap + WindowCaptionPixels) * TwipsPerPixel;
}

int Afdrukken::openHeight() const
{
    return (Frame2->geometry().bottom() + 1 + FrameGap + WindowCaptionPixels) * TwipsPerPixel;
}

bool Afdrukken::bothSides() const
{
    return !CheckDubbelzijdig->isHidden() && CheckDubbelzijdig->isChecked();
}

bool Afdrukken::withAddresses() const
{
    return !Check1->isHidden() && Check1->isChecked();
}

bool Afdrukken::addressSide() const
{
    return state_.currentLayout == Layout::AddressSide;
}

void Afdrukken::fitToMode()
{
    const unsigned controls = extraControls();
    Combo2->setVisible(controls & YearChoice);
    Label5->setVisible(controls & YearChoice);
    CheckDubbelzijdig->setVisible(controls & BothSides);
    Check1->setVisible((controls & AddressCheck) && (addressSide() || bothSides()));
    ComboPapier->setVisible(controls & PaperChoice);
    CheckRandloos->setVisible(controls & BorderlessChoice);
    ComboNaam3->setVisible(controls & FourNames);
    ComboNaam4->setVisible(controls & FourNames);
    placeRows();
    const int height = withAddresses() ? openHeight() : closedHeight();
    if (height != heightTwips_)
        setHeightTwips(height);
}

void Afdrukken::placeRows()
{
    // The paper row below the buttons; "Randloos" beside the paper list, or in
    // its place when the mode has no paper choice.
    const int paperTop = VoorbeeldKnop->geometry().bottom() + 1 + RowGap;
    ComboPapier->move(ComboPapier->x(), paperTop);
    const int borderlessLeft = ComboPapier->isHidden() ? ComboPapier->x() : ComboPapier->geometry().right() + 10;
    CheckRandloos->move(borderlessLeft,
                        paperTop + std::max(0, ComboPapier->height() - CheckRandloos->height()) / 2);
    int frame1Bottom = twipsToPixels(Frame1Height);
    for (const QWidget* control : {static_cast<QWidget*>(ComboPapier), static_cast<QWidget*>(CheckRandloos)})
        if (!control->isHidden())
            frame1Bottom = std::max(frame1Bottom, control->geometry().bottom() + 1 + FramePadding);
    Frame1->resize(Frame1->width(), frame1Bottom);

    // The name lists one below the other, however tall the font makes them.
    int frame2Bottom = twipsToPixels(Frame2Height);
    const QComboBox* above = nullptr;
    for (QComboBox* names : {ComboNaam1, ComboNaam2, ComboNaam3, ComboNaam4}) {
        if (above)
            names->move(names->x(), std::max(above->y() + NameStep, above->geometry().bottom() + 1 + FrameGap));
        above = names;
        if (!names->isHidden())
            frame2Bottom = std::max(frame2Bottom, names->geometry().bottom() + 1 + FramePadding);
    }
    Frame2->setGeometry(Frame2->x(), frame1Bottom + FrameGap, Frame2->width(), frame2Bottom);
}

void Afdrukken::showCaption()
{
    if (const PrintModeRow* row = printModeRow(VScroll1->value()))
        Label2->setText(row->caption(PrintChoices{addressSide(), settings_.labelsPerSheet, bothSides()}));
}

void Afdrukken::showSheetPicture()
{
    drawModePreview(*preview_, VScroll1->value(), sidePicture(sides_.shown, false), QDate::currentDate().year());
    showSharpPicture(Picture1, [this](qreal ratio) { return sheetPicture(ratio); });
}

QImage Afdrukken::sheetPicture(qreal ratio) const
{
    const QSize size(PreviewWidth, PreviewHeight);
    const PrintModeRow* row = printModeRow(VScroll1->value());
    if (row && row->sample && !bothSides()) {
        // Above a ratio of 1 from the sample's print copy, so that it is drawn sharp.
        const QImage& drawn = ratio > 1 ? preview_->printImage() : preview_->image();
        QImage sample = drawn.scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        sample.setDevicePixelRatio(ratio);
        return sample;
    }
    // The sheets as the job prints them, from the screen copies, where the
    // cards belong: the offsets only make up for the printer.
    PrintRun::Request request = describedRequest(false);
    request.offsetX = request.offsetY = request.backOffsetX = request.backOffsetY = 0;
    findPaper(request);
    const auto noBook = [] { return std::optional<AddressBook>(); };
    return ::sheetPicture([&](PrinterPage& page) { PrintRun::print(page, request, noBook); }, size, ratio,
                          request.bothSides, request.borderless ? QMarginsF() : request.margins);
}

void Afdrukken::VScroll1_Change()
{
    fitToMode();
    showCaption();
    showSheetPicture();
}

void Afdrukken::setHeightTwips(int height)
{
    heightTwips_ = height;
    setOuterHeightInTwips(this, height);
    EventPump::letEventsRun();
}

void Afdrukken::Check1_Click()
{
    // The address panel slides into view or out of it.
    const int target = withAddresses() ? openHeight() : closedHeight();
    const int step = target > heightTwips_ ? HeightStep : -HeightStep;
    for (int height = heightTwips_ + step; step > 0 ? height < target : height > target; height += step)
        setHeightTwips(height);
    setHeightTwips(target);
    fillNameLists();
}

void Afdrukken::CheckDubbelzijdig_Click()
{
    // Check1 comes or goes with it, and a ticked Check1 its names.
    fitToMode();
    showCaption();
    showSheetPicture();
    if (withAddresses())
        fillNameLists();
}

void Afdrukken::fillNameLists()
{
    const std::optional<AddressBook> book = loadBook_();
    if (!book)
        return;
    // Filled afresh each time, so ticking twice lists every name once; what
    // the user typed or picked stays.
    for (QComboBox* combo : {ComboNaam1, ComboNaam2, ComboNaam3, ComboNaam4}) {
        const QString chosen = combo->currentText();
        combo->clear();
        for (const AddressRecord& record : book->records)
            combo->addItem(record.naam);
        combo->setEditText(chosen);
    }
}

void Afdrukken::runScanAnimation()
{
    Label2->setText(tr("Scanning..."));
    Lijn->show();
    for (int y = 0; y <= PreviewHeight; ++y) {
        Lijn->move(0, y);
        Wacht(0.01);
    }
    Lijn->hide();
}

PrintRun::Request Afdrukken::describedRequest(bool printCopies) const
{
    PrintRun::Request request;
    request.mode = VScroll1->value();
    request.year = PrintRun::year(Combo2->currentText()).value_or(QDate::currentDate().year());
    request.bothSides = bothSides();
    request.card = sidePicture(request.bothSides ? CardSide::Front : sides_.shown, printCopies);
    if (request.bothSides)
        request.back = sidePicture(CardSide::Back, printCopies);
    // With both sides the card is the front, whichever side is shown.
    request.addressSide = !request.bothSides && addressSide();
    request.withAddresses = withAddresses();
    request.naam1 = ComboNaam1->currentText();
    request.naam2 = ComboNaam2->currentText();
    request.naam3 = ComboNaam3->currentText();
    request.naam4 = ComboNaam4->currentText();
    request.paper = PostcardPaper::Id(std::max(0, ComboPapier->currentIndex()));
    request.borderless = CheckRandloos->isChecked();
    request.labels = LabelSettings{settings_.labelLeft, settings_.labelTop, settings_.labelWidth,
                                   settings_.labelHeight, settings_.labelsPerSheet};
    request.offsetX = settings_.offsetX;
    request.offsetY = settings_.offsetY;
    request.backOffsetX = settings_.backOffsetX;
    request.backOffsetY = settings_.backOffsetY;
    return request;
}

std::optional<PrintRun::Request> Afdrukken::readRequest()
{
    PrintRun::Request request = describedRequest(true);
    const auto copies = PrintRun::copies(Combo1->currentText());
    if (!copies) {
        Dialogs::showMessage(this, tr("Typ bij Copy's een aantal van 1 tot %1.").arg(PrintRun::MaxCopies), title(),
                             Dialogs::Icon::Warning);
        return std::nullopt;
    }
    request.copies = *copies;
    const PrintModeRow* row = printModeRow(request.mode);
    if (row && (row->extraControls & YearChoice)) {
        const auto year = PrintRun::year(Combo2->currentText());
        if (!year) {
            Dialogs::showMessage(this,
                                 tr("Typ bij Jaar een jaartal van %1 tot %2.")
                                     .arg(PrintRun::FirstYear)
                                     .arg(PrintRun::LastYear),
                                 title(), Dialogs::Icon::Warning);
            return std::nullopt;
        }
        request.year = *year;
    }
    if (!choosePaperFor(request))
        return std::nullopt;
    return request;
}

bool Afdrukken::findPaper(PrintRun::Request& request) const
{
    const PrintModeRow* row = printModeRow(request.mode);
    if (!row || !row->paperWish)
        return true;
    const auto paper =
        printer_.paperFor(row->paperWish(request).size, request.borderless, row->pageSetup(request).orientation);
    if (!paper)
        return false;
    request.printerPaper = paper->size;
    request.margins = paper->margins;
    return true;
}

bool Afdrukken::choosePaperFor(PrintRun::Request& request)
{
    if (findPaper(request))
        return true;
    Dialogs::showMessage(this,
                         missingPaperMessage(printer_.printerName(), printModeRow(request.mode)->paperWish(request).caption),
                         title(), Dialogs::Icon::Warning);
    return false;
}

bool Afdrukken::loadBookFor(const PrintRun::Request& request, std::optional<AddressBook>& book)
{
    if (!PrintRun::needsAddressBook(request))
        return true;
    book = loadBook_();
    if (!book)
        Dialogs::showMessage(this, PrintRun::translated(PrintRun::NoAddressBookMessage), title(), Dialogs::Icon::Warning);
    return book.has_value();
}

void Afdrukken::PrintKnop_Click()
{
    // The scan animation lets clicks through; a second job must not start
    // inside the first.
    if (BusyGuard::working())
        return;
    const std::optional<PrintRun::Request> request = readRequest();
    std::optional<AddressBook> book;
    if (request && loadBookFor(*request, book))
        printRequest(*request, book);
}

void Afdrukken::VoorbeeldKnop_Click()
{
    if (BusyGuard::working())
        return;
    const std::optional<PrintRun::Request> request = readRequest();
    std::optional<AddressBook> book;
    if (!request || !loadBookFor(*request, book))
        return;
    // One copy of the job, drawn by the same run that prints it.
    PrintRun::Request single = *request;
    single.copies = 1;
    // Without "Randloos" the preview leaves out what the printer cannot print.
    const QMarginsF unprintable = single.borderless ? QMarginsF() : single.margins;
    AfdrukVoorbeeld preview([&single, &book](PrinterPage& page) { PrintRun::print(page, single, [&book] { return book; }); },
                            printer_.printer().pageLayout(), this, unprintable);
    if (preview.exec() == QDialog::Accepted)
        printRequest(*request, book);
}

void Afdrukken::printRequest(const PrintRun::Request& request, const std::optional<AddressBook>& book)
{
    std::unique_ptr<PrinterDevicePage> page = printer_.startJob(this);
    if (!page)
        return;
    QString result;
    {
        const BusyGuard printing;
        BusyPointer busy;
        const QString caption = Label2->text();
        runScanAnimation();
        Label2->setText(caption);
        result = PrintRun::print(*page, request, [&book] { return book; }, this);
    }
    if (page->failed()) {
        Dialogs::showMessage(this, tr("Het afdrukken is mislukt. Controleer de printer of de bestandsnaam."),
                             title(), Dialogs::Icon::Warning);
        return;
    }
    if (!result.isEmpty())
        Label2->setText(result);
}

void Afdrukken::ExitKnop_Click()
{
    close();
}
