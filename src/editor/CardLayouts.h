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
    QString caption;
    double frameWidth;
    double frameHeight;
    double firstX;
    double firstY;
    QString info; // the help line shown when the layout is chosen
};

// The photo layouts 1..9; nullptr for any other index.
const CardLayout* photoLayout(int index);

// Caption of the help line for a layout menu entry (the photo layouts, free drawing and the address side).
QString layoutInfoText(int index);

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
