#pragma once
// A filter, effect or conversion of the "Bewerken" menu as an operation of
// the card: which entry, with the fill colour it used and where the random
// numbers it draws start, so that it draws the same each time.
#include "editor/CardOperation.h"
#include "editor/OperationParameters.h"
#include "platform/Colors.h"
#include "platform/Random.h"

#include <QImage>
#include <cstdint>

// The menus whose entries become filter operations, by the entry's index.
enum class FilterMenu {
    Filters,  // "Filters": EditConvert 0..17
    Contrast, // "Contrast": EditContrastConvert 1..2
    Swap,     // "Swap Colors": EditSwap 1..5
    Flips,    // "Flip ..." and "Kaart Kantelen": EditFlipConvert 0..4
};

// The caption of a menu's entry (the index as the menu's objectName has it),
// in the language of the interface; empty for none. The menus are built from these.
QString filterMenuCaption(FilterMenu menu, int index);
// The number of entries, and the first index.
int filterMenuFirst(FilterMenu menu);
int filterMenuEnd(FilterMenu menu);

class FilterOperation : public CardOperation {
public:
    // `random`: the shared generator's state its random numbers start from.
    FilterOperation(FilterMenu menu, int index, Rgb fillColor, Random::State random);

    OperationKind kind() const override;
    QString name() const override;
    void draw(CardSurface& card, const ProgressDisplays& progress) const override;
    bool movesTheCard() const override { return menu_ == FilterMenu::Flips; }
    QJsonObject parameters(PhotoList& photos) const override;
    static Operation read(ParameterReader& parameters);

    FilterMenu menu() const { return menu_; }
    int index() const { return index_; }
    // The entry does something (the two submenus of "Filters" do not).
    bool acts() const;

private:
    FilterMenu menu_;
    int index_;
    Rgb fillColor_;
    Random::State random_;
};

// The upright picture the last tilt turned the card through: the main
// window's photo buffer takes it, as it always has.
const QImage& lastTiltPicture();
