#pragma once
// What the print window sees of the card's two sides: each side's picture as
// it prints (the print copy) or as the small samples show it (the screen
// copy). A side that is not shown is drawn when asked; an empty back is the
// address-side template.
#include "editor/CardSide.h"

#include <QImage>
#include <functional>

struct CardSides {
    CardSide shown = CardSide::Front;
    std::function<QImage(CardSide side, bool printCopy)> picture;
};
