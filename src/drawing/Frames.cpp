#include "drawing/Frames.h"

#include "platform/CardSurface.h"

#include <QCoreApplication>

namespace {
constexpr int CentreX = 258;
constexpr int CentreY = 182;
constexpr int CentreSize = 80;
const std::uint32_t White = RGB(255, 255, 255);
}

void drawWhiteBorder(CardSurface& surface, int width)
{
    // Nested outlines one pixel apart; the inside stays as it is.
    surface.fillStyle = CardSurface::Transparent;
    const int right = surface.width() - 1, bottom = surface.height() - 1;
    for (int i = 0; i < width; ++i)
        surface.box(i, i, right - i, bottom - i, White);
}

void drawCentreDisc(CardSurface& surface)
{
    surface.fillColor = White;
    surface.fillStyle = CardSurface::Solid;
    surface.ellipse(CentreX, CentreY, CentreSize, White);
    surface.fillStyle = CardSurface::Transparent;
}

void drawCentreDiamond(CardSurface& surface)
{
    // Row pairs above and below the centre, each drawn outwards from the axis.
    for (int i = 0; i <= CentreSize; ++i) {
        const int halfWidth = CentreSize - i;
        for (const int y : {CentreY - i, CentreY + i}) {
            surface.line(CentreX, y, CentreX - halfWidth, y, White);
            surface.line(CentreX, y, CentreX + halfWidth, y, White);
        }
    }
}

QString borderCaption(int width)
{
    switch (width) {
    case 1:
        return QCoreApplication::translate("Frames", "Smal");
    case 5:
        return QCoreApplication::translate("Frames", "Medium");
    case 10:
        return QCoreApplication::translate("Frames", "Breed");
    default:
        return QString();
    }
}

QString centreShapeCaption(int index)
{
    if (index == 1)
        return QCoreApplication::translate("Frames", "Midden Circel");
    if (index == 2)
        return QCoreApplication::translate("Frames", "Midden Ruit");
    return QString();
}
