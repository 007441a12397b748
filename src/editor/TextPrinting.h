#pragma once
// Printing a line of text onto the card: horizontally, or turned by an angle,
// in the fill colour with an optional two-pixel halo in the drawing colour.
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>

class CardSurface;

struct TextFont {
    QString name;
    int size = 22; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

struct TextInk {
    bool outline = false;        // halo around the glyphs
    std::uint32_t drawColor = 0; // colour of the halo
    std::uint32_t fillColor = 0; // colour of the text itself
};

// The eight offsets of the halo, printed in this order before the text.
extern const std::array<std::pair<int, int>, 8> OutlineOffsets;

constexpr int SmallestTextSize = 1;
constexpr int LargestTextSize = 999;

// The text size typed or chosen in the size box, when it is a whole number
// from 1 to 999.
std::optional<int> parseTextSize(const QString& text);

// Prints `text` with its top-left corner at (x, y).
void MaakTekst(CardSurface& card, const TextFont& font, const TextInk& ink, double x, double y, const QString& text);

// Prints `text` turned by `escapement` tenths of a degree anticlockwise around
// its reference point (x, y), the top-left of the unturned text: with 900 it
// runs upward from (x, y), its top side facing left.
void MaakTekstVertikaal(CardSurface& card, const QString& text, const TextFont& font, int escapement,
                        int x, int y, const TextInk& ink);
