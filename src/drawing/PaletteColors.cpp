#include "drawing/PaletteColors.h"

#include "platform/DrawingSurface.h"

#include <algorithm>

QString HexKleur(int red, int green, int blue)
{
    const auto twoDigits = [](int component) {
        return QString::number(component, 16).toUpper().rightJustified(2, QLatin1Char('0'));
    };
    return twoDigits(red) + twoDigits(green) + twoDigits(blue);
}

Rgb paletteCellColor(int cell)
{
    const int column = cell / PaletteRows;
    const int row = cell % PaletteRows;
    const int level = std::min(256 - 16 * row, 255);
    switch (column) {
    case 0: return row == PaletteRows - 1 ? Rgb{0, 0, 0} : Rgb{level, level, level};
    case 1: return {level, 0, 0};
    case 2: return {0, level, 0};
    case 3: return {0, 0, level};
    case 4: return {level, level, 0};
    case 5: return {0, level, level};
    default: return {level, 0, level};
    }
}

void drawPalette(DrawingSurface& surface)
{
    const std::uint32_t white = RGB(255, 255, 255);
    surface.fillStyle = DrawingSurface::Solid;
    surface.lineWidth = 1;
    for (int cell = 0; cell < PaletteColumns * PaletteRows; ++cell) {
        const int x = PaletteCellSize * (cell / PaletteRows);
        const int y = PaletteCellSize * (cell % PaletteRows);
        surface.fillColor = paletteCellColor(cell).value();
        surface.box(x, y, x + PaletteCellSize, y + PaletteCellSize, white);
    }
    surface.refresh();
}

QString paletteToolTip(const Rgb& colour)
{
    return QStringLiteral(" %1,%2,%3 / #%4 ")
        .arg(colour.r)
        .arg(colour.g)
        .arg(colour.b)
        .arg(HexKleur(colour.r, colour.g, colour.b));
}
