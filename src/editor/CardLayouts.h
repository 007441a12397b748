#pragma once
// The card layouts: where photos go, frame by frame, and the address side.
#include "editor/CardOperation.h"
#include "editor/OperationParameters.h"

#include <QString>

class CardSurface;

// The entries of the "Layout" menu, by their menu index: the photo layouts
// 1..9, the free drawing layout "Zelf Tekenen" and the address side "Adreszijde".
namespace Layout {
constexpr int FirstPhotoLayout = 1;
constexpr int LastPhotoLayout = 9;
// The line between the photo layouts and the other two.
constexpr int Separator = 17;
constexpr int FreeDrawing = 18;
constexpr int AddressSide = 19;
// The highest menu index, for arrays indexed by layout.
constexpr int LastIndex = AddressSide;
// Every entry that chooses a layout.
constexpr int Entries[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, FreeDrawing, AddressSide};
}

struct CardLayout {
    int index;
    const char* caption; // the menu entry, in Dutch: layoutCaption() translates it
    double frameWidth;
    double frameHeight;
    double firstX;
    double firstY;
    int photos; // how many photos the help line asks for
};

// The photo layouts 1..9; nullptr for any other index.
const CardLayout* photoLayout(int index);

// The menu entry of photo layout `index` in the language shown.
QString layoutCaption(int index);

// The help line of a layout menu entry (the photo layouts, free drawing and
// the address side) in Dutch, as the editor state and card files keep it;
// shownLayoutInfoText() gives it in the language shown.
QString layoutInfoText(int index);
QString shownLayoutInfoText(int index);

// Moves (x, y) to the next frame of `layout` after a photo was painted.
void advanceFrame(int layout, double& x, double& y);

// Draws the address side: divider, stamp box and address lines.
void TekenAdreszijde(CardSurface& card);

// The address side as an operation of the card: a white card with the template.
class AddressSideTemplate : public CardOperation {
public:
    OperationKind kind() const override { return OperationKind::AddressSide; }
    QString name() const override;
    void draw(CardSurface& card, const ProgressDisplays& progress) const override;
    // Everything before it is erased.
    bool movesTheCard() const override { return true; }
    QJsonObject parameters(PhotoList& photos) const override;
    static Operation read(ParameterReader& parameters);
};
