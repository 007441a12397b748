#include "editor/TextPrinting.h"

#include "platform/CardSurface.h"

#include <QFontMetricsF>
#include <algorithm>

const std::array<std::pair<int, int>, 8> OutlineOffsets = {{
    {0, -2}, {1, -1}, {2, 0}, {1, 1}, {0, 2}, {-1, 1}, {-2, 0}, {-1, -1},
}};

namespace {

constexpr int ScreenDotsPerInch = 96;

// a * b / c rounded to the nearest whole number, halves away from zero.
int mulDiv(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return int(product >= 0 ? (product + half) / c : (product - half) / c);
}

// The text and its halo: the halo first in the drawing colour, then the text
// in the fill colour, each drawn by `print(x, y)` at offsets from the origin.
template <typename Print>
void printWithHalo(const TextInk& ink, Print print, std::uint32_t& textColor)
{
    textColor = ink.drawColor;
    if (ink.outline)
        for (const auto& [dx, dy] : OutlineOffsets)
            print(dx, dy);
    textColor = ink.fillColor;
    print(0, 0);
}

}

std::optional<int> parseTextSize(const QString& text)
{
    bool ok = false;
    const int size = text.trimmed().toInt(&ok, 10);
    if (!ok || size < SmallestTextSize || size > LargestTextSize)
        return std::nullopt;
    return size;
}

void MaakTekst(CardSurface& card, const TextFont& font, const TextInk& ink, double x, double y, const QString& text)
{
    card.fontName = font.name;
    card.fontSize = font.size;
    card.fontBold = font.bold;
    card.fontItalic = font.italic;
    card.fontUnderline = font.underline;
    // Text always covers what lies under its glyphs, whatever the drawing
    // tools left as draw mode.
    const CardSurface::DrawMode previousMode = card.drawMode;
    card.drawMode = CardSurface::DrawMode::Copy;
    printWithHalo(ink, [&](int dx, int dy) {
        card.currentX = x + dx;
        card.currentY = y + dy;
        card.printText(text);
    }, card.foreColor);
    card.drawMode = previousMode;
    card.refresh();
}

void MaakTekstVertikaal(CardSurface& card, const QString& text, const TextFont& font, int escapement,
                        int x, int y, const TextInk& ink)
{
    card.fontName = font.name;
    card.fontSize = font.size;
    card.fontBold = font.bold;
    card.fontItalic = font.italic;
    card.fontUnderline = font.underline;

    // The glyphs' em height in pixels at the screen's 96 dots per inch.
    QFont turned(font.name);
    turned.setPixelSize(std::max(1, mulDiv(font.size, ScreenDotsPerInch, 72)));
    turned.setBold(font.bold);
    turned.setItalic(font.italic);
    turned.setUnderline(font.underline);
    turned.setStyleHint(QFont::SansSerif);

    // Text always covers what lies under its glyphs, whatever the draw mode.
    const CardSurface::DrawMode previousMode = card.drawMode;
    card.drawMode = CardSurface::DrawMode::Copy;
    std::uint32_t color = 0;
    printWithHalo(ink, [&](int dx, int dy) {
        card.drawText(turned, QPointF(x + dx, y + dy), escapement / 10.0, text, color);
    }, color);
    card.drawMode = previousMode;
    card.refresh();
}
