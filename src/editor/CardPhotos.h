#pragma once
// The photos of a photo layout as the card's document holds them: which
// placed photo shows in which frame, which one lies under a point, and
// whether one can still be adjusted.
#include "editor/CardDocument.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSizeF>
#include <QVector>
#include <vector>

class PhotoInFrame;

namespace CardPhotos {

// The photo operation at `index`, or nullptr when it is none.
const PhotoInFrame* photoAt(const CardDocument& document, int index);
// The positions of the photos placed in `layout` that still fill their frame
// (a later photo in the same frame covers an earlier one), in the order of painting.
std::vector<int> placedIn(const CardDocument& document, int layout);
// The position of the photo of `layout` painted last where `point` lies, or -1.
int photoUnder(const CardDocument& document, int layout, QPoint point);
// A photo can be adjusted until a later operation moves or erases the card's
// pixels (a flip, a tilt, the address side): its frame no longer shows it.
bool adjustable(const CardDocument& document, int index);
// For each frame of `layout`, the position of its photo in the order of painting, or -1.
QVector<int> paintOrder(const CardDocument& document, int layout, const QVector<QRect>& frames);

}

// The print frame's detail that a kept source has at most, each way, at 100%:
// zooming to that factor still shows the photo at print resolution.
constexpr int KeptDetail = 2;

// `decoded` reduced, when larger, so that its part covering a frame of
// `frame` screen pixels is at most KeptDetail times the print frame each way.
QImage keptSource(const QImage& decoded, QSizeF frame);
