#pragma once
// The colours of the palette window and their textual forms.
#include "platform/Colors.h"

#include <QString>

class DrawingSurface;

constexpr int PaletteColumns = 7;
constexpr int PaletteRows = 16;
constexpr int PaletteCellSize = 12;
constexpr int PaletteWidth = PaletteColumns * PaletteCellSize + 1;  // 85: the last cell's right edge included
constexpr int PaletteHeight = PaletteRows * PaletteCellSize + 1;    // 193

// The six-digit upper-case hexadecimal form, red first: (0, 10, 255) -> "000AFF".
QString HexKleur(int red, int green, int blue);

// Colour of cell 0..111: column cell / 16 picks grey, red, green, blue,
// yellow, cyan or magenta; row cell % 16 darkens it in steps of 16.
Rgb paletteCellColor(int cell);

// Draws all cells, each with a white outline shared with its neighbours.
void drawPalette(DrawingSurface& surface);

// " r,g,b / #RRGGBB ", the palette's tooltip for a colour.
QString paletteToolTip(const Rgb& colour);
