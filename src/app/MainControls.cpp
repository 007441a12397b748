// Builds the controls of the main window at their designed places.
#include "app/Main.h"

#include "app/Plaatjes.h"
#include "drawing/ToolTable.h"
#include "editor/ClockAndHelp.h"
#include "platform/Twips.h"
#include "platform/CardScrollArea.h"
#include "platform/ClickableLabel.h"
#include "platform/ComboText.h"
#include "platform/DesignedLayout.h"
#include "platform/PictureBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <initializer_list>

namespace {

template <typename Widget, typename... Args>
Widget* make(QWidget* parent, const QString& name, Args&&... args)
{
    auto* widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(name);
    return widget;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption = QString())
{
    auto* label = make<QLabel>(parent, name, caption);
    return label;
}

QGroupBox* makeFrame(QWidget* parent, const QString& name)
{
    auto* frame = make<QGroupBox>(parent, name);
    frame->setFlat(false);
    return frame;
}

}

void Main::buildControls()
{
    auto* form = new QWidget(this);
    form->setObjectName("MainForm");
    setCentralWidget(form);

    // Card panel.
    Frame1 = makeFrame(form, "Frame1");
    placeInTwips(Frame1, 90, 0, 8100, 5940);
    BackKaarten = makeLabel(Frame1, "BackKaarten");
    placeInTwips(BackKaarten, 90, 180, 7920, 5670);
    setBackground(BackKaarten, QColor(60, 60, 60));
    Voorkant = make<PictureBox>(nullptr, "Voorkant", &card);
    VoorkantScroll = make<CardScrollArea>(Frame1, "VoorkantScroll", Voorkant);
    placeInTwips(VoorkantScroll, 180, 270, 7725, 5475);
    HelpLabel = makeLabel(Frame1, "HelpLabel");
    placeInTwips(HelpLabel, 180, 345, 7755, 5445);
    setBackground(HelpLabel, QColor(60, 60, 60));
    setTextColor(HelpLabel, QColor(205, 205, 225));
    HelpLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    HelpLabel->hide();
    Label12 = makeLabel(Voorkant, "Label12", tr("Voorbeeld"));
    Label12->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label12->setTextFormat(Qt::PlainText); // the card gets the text as typed, tags and all
    Label12->hide();
    Layer = makeLabel(Voorkant, "Layer");
    Layer->setAttribute(Qt::WA_TransparentForMouseEvents);
    Layer->setStyleSheet("background: transparent; border: 1px solid rgb(0,0,0);");
    Layer->hide();

    // Tool panel.
    Frame2 = makeFrame(form, "Frame2");
    placeInTwips(Frame2, 8295, 0, 3630, 2790);
    BackKnoppen = makeLabel(Frame2, "BackKnoppen");
    placeInTwips(BackKnoppen, 105, 195, 1770, 2220);
    BackKnoppen->setFrameShape(QFrame::StyledPanel);
    BackKnoppen->setFrameShadow(QFrame::Sunken);
    int left = 135;
    int top = 225;
    for (int n = 1; n <= 12; ++n) {
        Knop[n] = make<QPushButton>(Frame2, QStringLiteral("Knop_%1").arg(n));
        placeInTwips(Knop[n], left, top, 570, 540);
        Knop[n]->setIconSize(QSize(28, 28));
        Knop[n]->setFocusPolicy(Qt::NoFocus);
        Knop[n]->setEnabled(false);
        left += 570;
        if (left > 1500) {
            left = 135;
            top += 540;
        }
    }
    Label1 = makeLabel(Frame2, "Label1", drawingToolCaption(DrawingTool::NoTool));
    placeInTwips(Label1, 120, 2460);
    Label3 = make<ClickableLabel>(Frame2, "Label3");
    placeInTwips(Label3, 1980, 195, 1545, 390);
    Label3->setFrameShape(QFrame::Panel);
    Label3->setFrameShadow(QFrame::Sunken);
    Label3->setToolTip(tr(" Klik voor Tekenkleuren "));
    Label3->setCursor(Qt::PointingHandCursor);
    Label2 = makeLabel(Frame2, "Label2", tr("Teken of Randkleur"));
    placeInTwips(Label2, 1980, 645);
    Label4 = make<ClickableLabel>(Frame2, "Label4");
    placeInTwips(Label4, 1980, 1020, 1545, 390);
    Label4->setFrameShape(QFrame::Panel);
    Label4->setFrameShadow(QFrame::Sunken);
    Label4->setToolTip(tr(" Klik voor Vulkleuren "));
    Label4->setCursor(Qt::PointingHandCursor);
    Label5 = makeLabel(Frame2, "Label5", tr("Vulkleur"));
    placeInTwips(Label5, 1980, 1455);
    Slider1 = make<QSlider>(Frame2, "Slider1", Qt::Horizontal);
    Slider1->setRange(1, 5);
    Slider1->setSingleStep(1);
    Slider1->setPageStep(5);
    Slider1->setValue(2);
    Slider1->setTickPosition(QSlider::TicksBelow);
    Slider1->setTickInterval(1);
    placeInTwips(Slider1, 1875, 1890, 1710, 450);
    Label9 = makeLabel(Frame2, "Label9", tr("Lijndikte is %1 pixels").arg(Slider1->value()));
    placeInTwips(Label9, 2055, 2445);

    // Text panel.
    const QColor textPanelGreen(190, 230, 190);
    Frame4 = makeFrame(form, "Frame4");
    placeInTwips(Frame4, 8295, 2805, 3630, 3135);
    Text1 = make<TextBox>(Frame4, "Text1");
    placeInTwips(Text1, 120, 210, 3390, 330);
    setBackground(Text1, textPanelGreen);
    Text1->setText(tr("Ik geef een feestje"));
    Text1->setToolTip(tr(" Dubbelklik is tekst verwijderen "));
    Label6 = makeLabel(Frame4, "Label6", tr("Plaats hierboven de tekst voor op de kaart..."));
    placeInTwips(Label6, 120, 600);
    ComboSize = make<QComboBox>(Frame4, "ComboSize");
    ComboSize->setEditable(true);
    ComboSize->setInsertPolicy(QComboBox::NoInsert);
    setBackground(ComboSize, textPanelGreen);
    for (int size = 8; size <= 100; size += 2)
        ComboSize->addItem(QString::number(size));
    ComboSize->setCurrentText("22");
    openAtShownText(ComboSize);
    placeInTwips(ComboSize, 120, 990, 750, 330);
    Label7 = makeLabel(Frame4, "Label7", tr("Grootte van de tekst"));
    placeInTwips(Label7, 930, 1035);
    CheckBold = make<QCheckBox>(Frame4, "CheckBold", tr("Tekst Bold"));
    placeInTwips(CheckBold, 240, 1485, 1500, 300);
    CheckItalic = make<QCheckBox>(Frame4, "CheckItalic", tr("Tekst Schuin"));
    placeInTwips(CheckItalic, 1800, 1485, 1500, 300);
    CheckOnderstreept = make<QCheckBox>(Frame4, "CheckOnderstreept", tr("Onderstreept"));
    placeInTwips(CheckOnderstreept, 240, 1890, 1890, 300);
    CheckVer = make<QCheckBox>(Frame4, "CheckVer", tr("Tekst Vertikaal"));
    placeInTwips(CheckVer, 1800, 1890, 1500, 300);
    ListFonts = make<QComboBox>(Frame4, "ListFonts");
    ListFonts->setEditable(true);
    ListFonts->setInsertPolicy(QComboBox::NoInsert);
    setBackground(ListFonts, textPanelGreen);
    ListFonts->clear();
    ListFonts->addItems(QFontDatabase::families());
    ListFonts->setCurrentText("Arial");
    placeInTwips(ListFonts, 120, 2280, 2100, 330);
    Label10 = makeLabel(Frame4, "Label10", tr("Lettertype"));
    placeInTwips(Label10, 2280, 2310);
    Check1 = make<QCheckBox>(Frame4, "Check1", tr("Schaduwrand om tekst"));
    placeInTwips(Check1, 240, 2760, 2100, 300);
    Label8 = makeLabel(Frame4, "Label8");
    placeInTwips(Label8, 2610, 2670, 900, 360);
    setBackground(Label8, QColor(64, 64, 64));
    PlaatsKnop = make<QPushButton>(Frame4, "PlaatsKnop", tr("Plaats"));
    placeInTwips(PlaatsKnop, 2640, 2700, 840, 300);
    PlaatsKnop->setToolTip(tr(" Tekst Plaatsen "));
    setBackground(PlaatsKnop, QColor(192, 192, 255));

    // Status strip.
    const QColor stripGrey(160, 170, 180);
    BackInfo = makeLabel(form, "BackInfo");
    placeInTwips(BackInfo, 90, 6015, 8100, 330);
    setBackground(BackInfo, stripGrey);
    BackInfo->setFrameShape(QFrame::Panel);
    BackInfo->setFrameShadow(QFrame::Sunken);
    InfoLabel = makeLabel(form, "InfoLabel", shownInformation(state.information));
    setTextColor(InfoLabel, QColor(40, 40, 40));
    placeInTwips(InfoLabel, 180, 6075, 5400, 240);
    // The clock shows time and date, wider than its designed place: it is
    // right-aligned at the end of the strip so it never runs into the next one.
    KlokLabel = makeLabel(form, "KlokLabel", "00:00:00");
    KlokLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    placeInTwips(KlokLabel, 5640, 6075, 2460, 240);
    BackCor = makeLabel(form, "BackCor");
    placeInTwips(BackCor, 8295, 6015, 3635, 330);
    setBackground(BackCor, stripGrey);
    BackCor->setFrameShape(QFrame::Panel);
    BackCor->setFrameShadow(QFrame::Sunken);
    CorLabel = makeLabel(form, "CorLabel", tr("Coordinaten:"));
    placeInTwips(CorLabel, 8370, 6075, 3480, 240);
    barSurface.backColor = RGB(160, 170, 180);
    barSurface.clear();
    Bar = make<PictureBox>(form, "Bar", &barSurface);
    placeInTwips(Bar, 8295, 6015, 3635, 330);
    Bar->hide();
    ProgBar = make<QProgressBar>(form, "ProgBar");
    ProgBar->setRange(0, 100);
    ProgBar->setValue(0);
    placeInTwips(ProgBar, 8295, 6015, 3635, 330);
    ProgBar->hide();

    // Banner.
    Frame3 = makeFrame(form, "Frame3");
    placeInTwips(Frame3, 90, 6330, 8100, 915);
    TitelLabel = makeLabel(Frame3, "TitelLabel");
    placeInTwips(TitelLabel, 75, 165, 7935, 660);
    showSharpPicture(TitelLabel, Plaatjes::titlePicture);
    Frame5 = makeFrame(form, "Frame5");
    placeInTwips(Frame5, 8295, 6330, 3630, 915);
    HoekPic = makeLabel(Frame5, "HoekPic");
    placeInTwips(HoekPic, 75, 165, 3465, 660);
    showSharpPicture(HoekPic, Plaatjes::picture(10));

    layOutRegions(form);
}

// The card panel takes all extra room; the tool and text panels keep their
// size at the top right; the status strips and the banner run along the
// bottom, their left parts growing with the card panel and their right parts
// moving with the right edge. Inside each region the controls keep their
// designed places, overlaps included.
void Main::layOutRegions(QWidget* form)
{
    const int rightColumn = twipsToPixels(8295);
    const int stripTop = twipsToPixels(6015);
    const int bannerTop = twipsToPixels(6330);
    const QRect client(QPoint(0, 0), designedClientSize());
    auto* regions = new DesignedLayout(client, form);
    const auto region = [regions](const QRect& designed, int follow) {
        auto* layout = new DesignedLayout(designed);
        regions->addRegion(layout, follow);
        return layout;
    };
    using F = DesignedLayout::Follow;

    region(QRect(0, 0, rightColumn, stripTop), F::Grow)->addWidget(Frame1, F::Grow);
    DesignedLayout* panels = region(QRect(rightColumn, 0, client.width() - rightColumn, stripTop), F::MoveRight);
    panels->addWidget(Frame2, F::Stay);
    panels->addWidget(Frame4, F::Stay);

    DesignedLayout* strips = region(QRect(0, stripTop, client.width(), bannerTop - stripTop), F::GrowWidth | F::MoveDown);
    for (QWidget* control : std::initializer_list<QWidget*>{BackInfo, InfoLabel})
        strips->addWidget(control, F::GrowWidth);
    for (QWidget* control : std::initializer_list<QWidget*>{KlokLabel, BackCor, CorLabel, Bar, ProgBar})
        strips->addWidget(control, F::MoveRight);

    DesignedLayout* banner = region(QRect(0, bannerTop, client.width(), client.height() - bannerTop), F::GrowWidth | F::MoveDown);
    banner->addWidget(Frame3, F::GrowWidth);
    banner->addWidget(Frame5, F::MoveRight);

    // Inside the card panel the backgrounds grow, keeping their margins.
    cardPanelLayout = new DesignedLayout(Frame1->rect(), Frame1);
    cardPanelLayout->addWidget(BackKaarten, F::Grow);
    cardPanelLayout->addWidget(VoorkantScroll, F::Grow);
    cardPanelLayout->addWidget(HelpLabel, F::Grow);
}
