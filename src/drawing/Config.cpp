#include "drawing/Config.h"

#include "editor/EditorState.h"
#include "platform/Twips.h"
#include "platform/PictureBox.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {

QScrollBar* makeScrollBar(QWidget* parent, const char* name, int minimum, int maximum, int value)
{
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(value);
    return bar;
}

QLabel* makeLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

QGroupBox* makeGroup(QWidget* parent, const char* name, const QString& title)
{
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    return group;
}

}

Config::Config(EditorState& state, QWidget* parent)
    : QDialog(parent), state_(state), preview_(116, 36)
{
    setObjectName("Config");
    setWindowTitle(tr("Configuratie Zelf Tekenen"));
    if (parent)
        setFont(parent->font()); // a separate window does not inherit the main window's face
    setFixedSize(twipsToPixels(4800), twipsToPixels(4080));

    QGroupBox* circles = makeGroup(this, "Frame1", tr("Grootte gekleurde Circels"));
    placeInTwips(circles, 120, 90, 4560, 810);
    HScroll1 = makeScrollBar(circles, "HScroll1", 5, 30, state.circleSize);
    placeInTwips(HScroll1, 150, 390, 2550, 255);
    Label4 = makeLabel(circles, "Label4");
    placeInTwips(Label4, 2850, 390, 1560, 255);

    QGroupBox* shapes = makeGroup(this, "Frame2", tr("Rechthoeken en circels"));
    placeInTwips(shapes, 120, 1020, 4560, 1395);
    VulScroll = makeScrollBar(shapes, "VulScroll", 0, 7, state.fillStyleSetting);
    placeInTwips(VulScroll, 150, 390, 2550, 255);
    Label7 = makeLabel(shapes, "Label7");
    placeInTwips(Label7, 2850, 390, 1560, 255);
    Picture1 = new PictureBox(&preview_, shapes);
    Picture1->setObjectName("Picture1");
    placeInTwips(Picture1, 150, 750, 116 * TwipsPerPixel, 36 * TwipsPerPixel);

    QGroupBox* eraser = makeGroup(this, "Frame3", QString());
    placeInTwips(eraser, 120, 2535, 4560, 690);
    GumScroll = makeScrollBar(eraser, "GumScroll", 5, 50, state.eraserSize);
    placeInTwips(GumScroll, 150, 240, 2550, 255);
    Label9 = makeLabel(eraser, "Label9");
    placeInTwips(Label9, 2850, 240, 1560, 255);

    OkKnop = new QPushButton(tr("Ok"), this);
    OkKnop->setObjectName("OkKnop");
    OkKnop->setDefault(true);
    placeInTwips(OkKnop, 2040, 3390, 1215, 375);
    CancelKnop = new QPushButton(tr("Cancel"), this);
    CancelKnop->setObjectName("CancelKnop");
    placeInTwips(CancelKnop, 3465, 3390, 1215, 375);

    const auto showCircleSize = [this](int value) { Label4->setText(tr("%1 Pixels").arg(value)); };
    const auto showFillStyle = [this](int value) {
        Label7->setText(tr("Vulstijl: %1").arg(value));
        drawPreview();
    };
    const auto showEraserSize = [this](int value) { Label9->setText(tr("Grootte Gum: %1").arg(value)); };
    connect(HScroll1, &QScrollBar::valueChanged, this, showCircleSize);
    connect(VulScroll, &QScrollBar::valueChanged, this, showFillStyle);
    connect(GumScroll, &QScrollBar::valueChanged, this, showEraserSize);
    showCircleSize(HScroll1->value());
    showFillStyle(VulScroll->value());
    showEraserSize(GumScroll->value());

    connect(OkKnop, &QPushButton::clicked, this, &Config::OkKnop_Click);
    connect(CancelKnop, &QPushButton::clicked, this, &Config::CancelKnop_Click);
}

void Config::drawPreview()
{
    preview_.clear();
    preview_.lineWidth = 1;
    preview_.fillColor = state_.fillColor.value();
    preview_.fillStyle = VulScroll->value();
    preview_.box(3, 3, 112, 32, state_.drawColor.value());
    preview_.refresh();
}

void Config::OkKnop_Click()
{
    state_.circleSize = HScroll1->value();
    state_.fillStyleSetting = VulScroll->value();
    state_.eraserSize = GumScroll->value();
    accept();
}

void Config::CancelKnop_Click()
{
    reject();
}
