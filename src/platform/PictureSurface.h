#pragma once
// A picture that is not the card and has no print copy: the progress strip,
// the palette, the start screen's strip, the sheet sample and the previews.
#include "platform/DrawingSurface.h"

class PictureSurface : public DrawingSurface {
public:
    explicit PictureSurface(int width = CardWidth, int height = CardHeight, QObject* parent = nullptr)
        : DrawingSurface(width, height, parent)
    {
    }
};
