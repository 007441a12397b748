#pragma once
// One side of the card as the editor keeps it: its document with the layout,
// the frame photos go to, the drawing tool, the help line and the photo's
// caption. The history keeps one before and after each step; the side not
// shown waits in this form too.
#include "editor/CardDocument.h"
#include "editor/CardSide.h"

#include <QString>
#include <memory>

struct CardLayoutState {
    int layout = 1;
    double frameX = 0, frameY = 0, frameWidth = 515, frameHeight = 365;
    int currentTool = 0;
    QString info = QStringLiteral("Kies een layout..."); // the help line the change left
    CardDocument document;
    QString photoCaption = QStringLiteral("*.*");
    // Which side this is, and the other side as it was then (null: an empty side).
    CardSide side = CardSide::Front;
    std::shared_ptr<const CardLayoutState> hidden;
};
