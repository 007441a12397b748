#pragma once
// The photos placed in the frames of the current layout, each with the source
// it was decoded from and its placement, so that it can still be moved and
// zoomed. The card's pixels stay what painting these photos in order gives.
#include "editor/PhotoPlacement.h"
#include "platform/CardSurface.h"

#include <QImage>
#include <QRect>
#include <QVector>
#include <vector>

struct PlacedPhoto {
    QImage source; // the decoded photo, 32-bit; null once the history let it go
    QRect frame;   // card pixels
    PhotoPlacement placement;

    // The photo as the card paints it: its part shown, stretched into the frame.
    CardSurface::PlacedPicture picture() const;
};

struct CardPhotos {
    // All sources together stay within this; beyond it the oldest are reduced.
    static constexpr qint64 SourceBudget = qint64(64) * 1024 * 1024;

    // The card changed only by photos since the layout was chosen: the
    // outlines show and the photos can be adjusted.
    bool shown = true;
    std::vector<PlacedPhoto> photos; // in the order they were painted

    // Adds a photo painted last; a photo in the same frame was covered by it and goes.
    void place(PlacedPhoto photo);
    // The photo painted last where `point` lies, or -1.
    int photoAt(QPoint point) const;
    // A photo can be moved while it and every photo painted over it still have their sources.
    bool adjustable(int index) const;
    // Photo `index` and the photos painted after it that overlap its frame, in
    // the order of painting: what re-painting that frame takes.
    std::vector<CardSurface::PlacedPicture> fromPhoto(int index) const;
    // For each frame, the position of its photo in the order of painting, or -1.
    QVector<int> paintOrder(const QVector<QRect>& frames) const;

    qint64 sourceBytes() const;
    // Reduces the oldest sources until all fit `budget`; none below the size
    // of its frame on the screen.
    void keepWithinBudget(qint64 budget = SourceBudget);
    // The outlines go away and the sources are let go.
    void release();
};

// The print frame's detail that a kept source has at most, each way, at 100%:
// zooming to that factor still shows the photo at print resolution.
constexpr int KeptDetail = 2;

// `decoded` reduced, when larger, so that its part covering a frame of
// `frame` screen pixels is at most KeptDetail times the print frame each way.
QImage keptSource(const QImage& decoded, QSizeF frame);
