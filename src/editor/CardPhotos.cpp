#include "editor/CardPhotos.h"

#include "editor/PhotoOperations.h"
#include "platform/CardSurface.h"

#include <algorithm>
#include <cmath>

namespace CardPhotos {

const PhotoInFrame* photoAt(const CardDocument& document, int index)
{
    if (index < 0 || index >= document.size() || document.at(index).kind() != OperationKind::PhotoInFrame)
        return nullptr;
    return static_cast<const PhotoInFrame*>(&document.at(index));
}

std::vector<int> placedIn(const CardDocument& document, int layout)
{
    std::vector<int> placed;
    for (int i = 0; i < document.size(); ++i) {
        const PhotoInFrame* photo = photoAt(document, i);
        if (!photo || photo->layout() != layout)
            continue;
        placed.erase(std::remove_if(placed.begin(), placed.end(),
                                    [&](int earlier) { return photoAt(document, earlier)->frame() == photo->frame(); }),
                     placed.end());
        placed.push_back(i);
    }
    return placed;
}

int photoUnder(const CardDocument& document, int layout, QPoint point)
{
    const std::vector<int> placed = placedIn(document, layout);
    for (auto it = placed.rbegin(); it != placed.rend(); ++it)
        if (photoAt(document, *it)->frame().contains(point))
            return *it;
    return -1;
}

bool adjustable(const CardDocument& document, int index)
{
    if (!photoAt(document, index))
        return false;
    for (int i = index + 1; i < document.size(); ++i)
        if (document.at(i).movesTheCard())
            return false;
    return true;
}

QVector<int> paintOrder(const CardDocument& document, int layout, const QVector<QRect>& frames)
{
    QVector<int> order(frames.size(), -1);
    for (int index : placedIn(document, layout)) {
        const int frame = int(frames.indexOf(photoAt(document, index)->frame()));
        if (frame >= 0)
            order[frame] = index;
    }
    return order;
}

}

namespace {

QImage smoothlyScaled(const QImage& image, double factor)
{
    const QSize size(std::max(1, int(std::lround(image.width() * factor))), std::max(1, int(std::lround(image.height() * factor))));
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
}

}

QImage keptSource(const QImage& decoded, QSizeF frame)
{
    const QImage flat = decoded.convertToFormat(QImage::Format_RGB32);
    const QSizeF cover = coverSize(flat.size(), frame);
    if (flat.isNull() || cover.isEmpty())
        return flat;
    const double most = KeptDetail * CardSurface::PrintScale;
    const double factor = std::min(most * frame.width() / cover.width(), most * frame.height() / cover.height());
    return factor < 1 ? smoothlyScaled(flat, factor) : flat;
}
