#pragma once
// Gradient fills over a whole drawing surface.
#include <QString>
#include <cstdint>

class DrawingSurface;

// Direction bits of GradientLinear.
enum GradientDirection {
    GradientAcrossWidth = 1, // vertical bands, the colour changes from left to right
    GradientReversed = 2,    // colours swapped, the sweep runs backwards
    GradientDiagonal = 4,    // diagonal bands from the top left corner
};

// The entries of the gradient menu: 0 to 4 are direction bits of
// GradientLinear, the last one is the circular gradient.
constexpr int GradientCircularEntry = 5;
// The caption of a gradient entry ("Boven" ... "Circulair") in the language of
// the interface; empty for none.
QString gradientCaption(int entry);

// Sweeps bands from colourA to colourB (0x00BBGGRR) over the surface.
// Positions are counted in twips, `twipsPerPixel` to a pixel; each band is
// drawn in the colour computed at the previous band's position.
void GradientLinear(DrawingSurface& surface, std::uint32_t colourA, int direction, std::uint32_t colourB,
                    int twipsPerPixel = 15);

// Paints `steps` shrinking solid discs from colourA at the rim to colourB in
// the middle, around (centreX, centreY); both -1 means the surface's centre.
void GradientCircular(DrawingSurface& surface, std::uint32_t colourA, std::uint32_t colourB, int steps,
                      double centreX, double centreY);
