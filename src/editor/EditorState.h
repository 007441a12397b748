#pragma once
// The card editor's shared state, owned by the main window: the document of
// the side shown with its layout and frame, the other side, the tool
// settings, what the pointer is doing, and the photo last loaded. Each part
// is its own type, so code that needs one part takes just that.
#include "editor/CardDocument.h"
#include "editor/CardLayoutState.h"
#include "editor/PointerState.h"
#include "editor/ToolSettings.h"

#include <QString>

struct EditorState : ToolSettings, PointerState {
    // The card: its operations, and the layout and frame photos go to (pixels on the card).
    CardDocument document;
    int currentLayout = 1;
    double frameX = 0;
    double frameY = 0;
    double frameWidth = 515;
    double frameHeight = 365;
    // The help line as the last change of layout or tool left it, in Dutch
    // (see CardContext::setInformation).
    QString information = QStringLiteral("Kies een layout...");
    // The side shown (the fields above are its own), and the other side as
    // it waits; null while that side is empty.
    CardSide side = CardSide::Front;
    std::shared_ptr<const CardLayoutState> hiddenSide;

    // Saving.
    int jpegQuality = 90;

    // The last loaded photo, and the caption that names it on the menu bar
    // (in Dutch, as photoCaption() writes it).
    QString photoCaption = QStringLiteral("*.*");
    QString photoFileName;
    int photoWidth = 0;
    int photoHeight = 0;

    // Progress 0..100 of a running filter, drawn by the progress strip.
    int progressPercent = 0;
};
