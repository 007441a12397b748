#pragma once
// Where a photo sits in its frame: which part of it the frame shows, moved
// and zoomed by the user. The part always has the frame's shape and never
// leaves the photo, so the frame is always covered.
#include <QPointF>
#include <QRectF>
#include <QSizeF>

struct PhotoPlacement {
    static constexpr int MinimumZoom = 100; // the photo just covers the frame
    static constexpr int MaximumZoom = 400;
    static constexpr int ZoomStep = 10;

    int zoom = MinimumZoom;   // percent
    QPointF centre{0.5, 0.5}; // of the part shown, in fractions of the photo's width and height
    bool stretched = false;   // the whole photo stretched into the frame, as placed without trimming

    // The placement of a photo just placed: centred at 100%, or stretched.
    static PhotoPlacement placed(bool trimmed);

    // The part of a `photo`-sized picture the frame shows, in its pixels.
    QRectF shownPart(QSizeF photo, QSizeF frame) const;

    // Moved with the pointer by `delta` card pixels: the photo follows the
    // pointer and stops at its edges. A stretched photo first becomes the
    // centred 100% cover.
    PhotoPlacement movedBy(QPointF delta, QSizeF photo, QSizeF frame) const;
    // Zoomed by `steps` of ZoomStep around `at` (card pixels from the frame's
    // top-left corner): the point of the photo under `at` stays there.
    PhotoPlacement zoomedAround(int steps, QPointF at, QSizeF photo, QSizeF frame) const;

    bool operator==(const PhotoPlacement& other) const
    {
        return zoom == other.zoom && centre == other.centre && stretched == other.stretched;
    }
    bool operator!=(const PhotoPlacement& other) const { return !(*this == other); }
};

// The largest part of a `photo`-sized picture with the frame's shape, in its pixels.
QSizeF coverSize(QSizeF photo, QSizeF frame);
