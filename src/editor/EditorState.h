#pragma once
// The card editor's shared state: one plain struct owned by the main window,
// read and written directly by the parts of the program that need it.
#include "editor/CardPhotos.h"
#include "platform/Colors.h"

#include <QString>
#include <memory>

struct PhotoDrag;

struct EditorState {
    // Layout and frame (pixels on the card).
    int currentLayout = 1;
    double frameX = 0;
    double frameY = 0;
    double frameWidth = 515;
    double frameHeight = 365;

    // Drawing.
    int currentTool = 0;
    bool placingText = false;
    Rgb drawColor{0, 0, 0};
    Rgb fillColor{255, 255, 0};
    int circleSize = 5;
    int fillStyleSetting = 0;
    int eraserSize = 10;
    double dragStartX = 0;
    double dragStartY = 0;
    double dragLastX = 0;
    double dragLastY = 0;
    Rgb layerColor{0, 0, 0};   // colour of the rubber-band frame
    Rgb paletteColor{0, 0, 0}; // last colour under the pointer on the palette

    // Values that live in the main window's controls, kept current by its
    // handlers: the line width, "Foto's bijsnijden" and the text panel.
    int lineWidth = 1;
    bool cropPhotos = false;
    struct TextChoice {
        QString text;
        QString size; // as typed; checked when the text is used
        QString fontName;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool vertical = false;
        bool halo = false; // "Schaduwrand om tekst"
    };
    TextChoice textChoice;

    // Saving.
    int jpegQuality = 90;

    // The photos placed in the current layout's frames, while they can be
    // adjusted; the photo being moved with the mouse; where the pointer was
    // last on the card (card pixels).
    CardPhotos cardPhotos;
    std::shared_ptr<PhotoDrag> photoDrag;
    double pointerX = -1;
    double pointerY = -1;

    // The last loaded photo, and the caption that names it on the menu bar.
    QString photoCaption = QStringLiteral("*.*");
    QString photoFileName;
    int photoWidth = 0;
    int photoHeight = 0;

    // Progress 0..100 of a running filter, drawn by the progress strip.
    int progressPercent = 0;
};
