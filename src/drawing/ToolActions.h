#pragma once
// What the drawing tools do to the card, apart from any window: the shapes
// taken from a drag, and the tools that act at the pointer.
#include "platform/CardSurface.h"
#include "platform/Colors.h"
#include "platform/Random.h"

#include <optional>

namespace ToolActions {

// A rectangle or ellipse drag counts only when it ends right of and below its start.
bool opensRightAndDown(double startX, double startY, double x, double y);

// The ellipse inscribed in a drag from (startX, startY) to (x, y), in the
// centre / radius / aspect form the surface draws.
struct EllipseShape {
    double centreX = 0;
    double centreY = 0;
    double radius = 0;
    double aspect = 1;
};
EllipseShape ellipseFromDrag(double startX, double startY, double x, double y);

// Outlined or filled (in `fillStyle`) rectangle and ellipse of a drag; the
// fill style is transparent again afterwards.
void drawBox(CardSurface& card, double startX, double startY, double x, double y,
             Rgb drawColor, std::optional<Rgb> fill, int fillStyle);
void drawEllipse(CardSurface& card, double startX, double startY, double x, double y,
                 Rgb drawColor, std::optional<Rgb> fill, int fillStyle);

// Flood fill with `fillColor` of the region of the colour under (x, y).
void fill(CardSurface& card, double x, double y, Rgb fillColor);
// One dot on the diagonal up to 9 pixels above and left of (x, y), placed by
// the random number `u` in [0, 1); leaves the pen 2 wide.
void sprayDot(CardSurface& card, double x, double y, Rgb drawColor, double u);
// A white square of `size` pixels whose lower right corner is one pixel above
// and left of (x, y).
void erase(CardSurface& card, double x, double y, int size);
// The colour of the pixel at (x, y); nothing outside the card.
std::optional<Rgb> pickColor(const CardSurface& card, double x, double y);
// A circle outline of `radius` around (x, y) in a random colour, each component 1..255.
void colouredCircle(CardSurface& card, double x, double y, int radius, Random::Generator& random);

// A colour taken from the palette is stored with every component c as |c - 1|.
Rgb shiftedPaletteColor(Rgb picked);

}
