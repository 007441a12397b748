#include "drawing/ToolActions.h"

#include "drawing/FloodFill.h"
#include "platform/Random.h"
#include "platform/Rounding.h"

#include <cmath>
#include <cstdlib>

namespace ToolActions {

namespace {
// A whole number 1..top from a random number in [0, 1).
int randomUpTo(double u, int top)
{
    return int(std::floor(u * top + 1));
}
}

bool opensRightAndDown(double startX, double startY, double x, double y)
{
    return x > startX && y > startY;
}

EllipseShape ellipseFromDrag(double startX, double startY, double x, double y)
{
    const double a = (x - startX) / 2;
    const double b = (y - startY) / 2;
    EllipseShape shape;
    shape.centreX = startX + std::floor(x - startX) / 2;
    shape.centreY = startY + std::floor(y - startY) / 2;
    shape.radius = a > b ? a : b;
    shape.aspect = b / a;
    return shape;
}

void drawBox(CardSurface& card, double startX, double startY, double x, double y,
             Rgb drawColor, std::optional<Rgb> fill, int fillStyle)
{
    if (fill) {
        card.fillColor = fill->value();
        card.fillStyle = fillStyle;
    }
    card.box(startX, startY, x, y, drawColor.value());
    card.fillStyle = CardSurface::Transparent;
}

void drawEllipse(CardSurface& card, double startX, double startY, double x, double y,
                 Rgb drawColor, std::optional<Rgb> fill, int fillStyle)
{
    const EllipseShape shape = ellipseFromDrag(startX, startY, x, y);
    if (fill) {
        card.fillColor = fill->value();
        card.fillStyle = fillStyle;
    }
    card.ellipse(shape.centreX, shape.centreY, shape.radius, drawColor.value(), shape.aspect);
    card.fillStyle = CardSurface::Transparent;
}

void fill(CardSurface& card, double x, double y, Rgb fillColor)
{
    card.drawMode = CardSurface::DrawMode::Copy;
    card.fillColor = fillColor.value();
    card.fillStyle = CardSurface::Solid;
    if (std::isfinite(x) && std::isfinite(y))
        floodFill(card, int(roundHalfEven(x)), int(roundHalfEven(y)), fillColor.value());
    card.refresh();
    card.fillStyle = CardSurface::Transparent;
}

void sprayDot(CardSurface& card, double x, double y, Rgb drawColor, double u)
{
    card.lineWidth = 1;
    const int r = randomUpTo(u, 10);
    card.setPixel(x - 10 + r, y - 10 + r, drawColor.value());
    card.lineWidth = 2;
}

void erase(CardSurface& card, double x, double y, int size)
{
    const Rgb white{255, 255, 255};
    card.fillColor = white.value();
    card.filledBox(x - size, y - size, x - 1, y - 1, white.value());
}

std::optional<Rgb> pickColor(const CardSurface& card, double x, double y)
{
    const qint64 c = card.point(x, y);
    if (c < 0)
        return std::nullopt;
    return Rgb{int(c % 256), int((c / 256) % 256), int((c / 65536) % 256)};
}

void colouredCircle(CardSurface& card, double x, double y, int radius, Random::Generator& random)
{
    const int red = randomUpTo(random.next(), 255);
    const int green = randomUpTo(random.next(), 255);
    const int blue = randomUpTo(random.next(), 255);
    card.ellipse(x, y, radius, RGB(red, green, blue));
}

Rgb shiftedPaletteColor(Rgb picked)
{
    return {std::abs(picked.r - 1), std::abs(picked.g - 1), std::abs(picked.b - 1)};
}

}
