#pragma once
// The drawing tool and the settings it draws with: colours, sizes, the line
// width and the text panel's choices. Values that live in the main window's
// controls are kept current by its handlers.
#include "platform/Colors.h"

#include <QString>

struct ToolSettings {
    int currentTool = 0;
    Rgb drawColor{0, 0, 0};
    Rgb fillColor{255, 255, 0};
    int circleSize = 5;
    int fillStyleSetting = 0;
    int eraserSize = 10;
    Rgb layerColor{0, 0, 0};   // colour of the rubber-band frame
    Rgb paletteColor{0, 0, 0}; // last colour under the pointer on the palette

    // The line width, "Foto's bijsnijden" and the text panel.
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
};
