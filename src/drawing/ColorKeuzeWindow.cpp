#include "drawing/ColorKeuzeWindow.h"

#include "platform/Twips.h"
#include "drawing/PaletteColors.h"
#include "platform/PictureBox.h"

#include <QFrame>
#include <QPushButton>
#include <QToolTip>

ColorKeuze::ColorKeuze(Rgb& paletteColor, QWidget* parent)
    : QDialog(parent), palette_(PaletteWidth, PaletteHeight), paletteColor_(paletteColor)
{
    setObjectName("ColorKeuze");
    setWindowTitle(tr("Kleurenpalet"));
    if (parent)
        setFont(parent->font()); // for the tooltip: a separate window does not inherit the main window's face
    setFixedSize(twipsToPixels(1590), twipsToPixels(3210));

    KnopBack = new QPushButton(this);
    KnopBack->setObjectName("KnopBack");
    KnopBack->setFocusPolicy(Qt::NoFocus);
    KnopBack->setGeometry(rect());

    Picture2 = new QFrame(this);
    Picture2->setObjectName("Picture2");
    Picture2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    placeInTwips(Picture2, 90, 90, 1395, 3015);

    Picture1 = new PictureBox(&palette_, Picture2);
    Picture1->setObjectName("Picture1");
    placeInTwips(Picture1, 30, 30, 1275, 2895);
    drawPalette(palette_);

    connect(Picture1, &PictureBox::mouseMove, this, [this](int, int, double x, double y) { Picture1_MouseMove(x, y); });
    connect(Picture1, &PictureBox::mouseDown, this, [this](int, int, double x, double y) { Picture1_MouseDown(x, y); });
}

void ColorKeuze::Picture1_MouseMove(double x, double y)
{
    const qint64 value = palette_.point(x, y);
    if (value < 0)
        return; // just outside the picture: keep the last colour
    paletteColor_ = Rgb::fromValue(std::uint32_t(value));
    const QString tip = paletteToolTip(paletteColor_);
    Picture1->setToolTip(tip);
    if (Picture1->isVisible())
        QToolTip::showText(Picture1->mapToGlobal(QPoint(int(x), int(y))), tip, Picture1);
}

void ColorKeuze::Picture1_MouseDown(double x, double y)
{
    Picture1_MouseMove(x, y);
    accept();
}
