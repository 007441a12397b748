#include "editor/PhotoFrames.h"

#include "editor/CardLayouts.h"

QVector<QRect> layoutFrames(int layout)
{
    QVector<QRect> frames;
    const CardLayout* chosen = photoLayout(layout);
    if (!chosen)
        return frames;
    double x = chosen->firstX, y = chosen->firstY;
    // Every rule comes back to the first frame; the bound only guards the loop.
    for (int n = 0; n < 16; ++n) {
        frames << QRect(int(x), int(y), int(chosen->frameWidth), int(chosen->frameHeight));
        advanceFrame(layout, x, y);
        if (x == chosen->firstX && y == chosen->firstY)
            break;
    }
    return frames;
}

int frameIndexAt(const QVector<QRect>& frames, double x, double y)
{
    for (int i = 0; i < frames.size(); ++i)
        if (frames[i].x() == x && frames[i].y() == y)
            return i;
    return -1;
}

int pickFrame(const QVector<QRect>& frames, const QVector<int>& paintOrder, QPoint point)
{
    int picked = -1;
    int pickedOrder = -1;
    for (int i = 0; i < frames.size(); ++i) {
        if (!frames[i].contains(point))
            continue;
        const int order = paintOrder.value(i, -1);
        // A photo beats an empty frame, a later photo an earlier one, and among
        // empty frames the later one in the layout wins.
        if (order > pickedOrder || (order < 0 && pickedOrder < 0)) {
            picked = i;
            pickedOrder = order;
        }
    }
    return picked;
}
