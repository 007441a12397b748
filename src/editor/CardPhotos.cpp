#include "editor/CardPhotos.h"

#include <algorithm>
#include <cmath>

namespace {

QImage smoothlyScaled(const QImage& image, double factor)
{
    const QSize size(std::max(1, int(std::lround(image.width() * factor))), std::max(1, int(std::lround(image.height() * factor))));
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
}

}

CardSurface::PlacedPicture PlacedPhoto::picture() const
{
    return {source, placement.shownPart(source.size(), frame.size()), QRectF(frame)};
}

void CardPhotos::place(PlacedPhoto photo)
{
    photos.erase(std::remove_if(photos.begin(), photos.end(), [&photo](const PlacedPhoto& p) { return p.frame == photo.frame; }),
                 photos.end());
    photos.push_back(std::move(photo));
}

int CardPhotos::photoAt(QPoint point) const
{
    for (int i = int(photos.size()) - 1; i >= 0; --i)
        if (photos[std::size_t(i)].frame.contains(point))
            return i;
    return -1;
}

bool CardPhotos::adjustable(int index) const
{
    if (!shown || index < 0 || index >= int(photos.size()))
        return false;
    const QRect frame = photos[std::size_t(index)].frame;
    for (std::size_t i = std::size_t(index); i < photos.size(); ++i)
        if ((i == std::size_t(index) || photos[i].frame.intersects(frame)) && photos[i].source.isNull())
            return false;
    return true;
}

std::vector<CardSurface::PlacedPicture> CardPhotos::fromPhoto(int index) const
{
    std::vector<CardSurface::PlacedPicture> pictures;
    if (index < 0 || index >= int(photos.size()))
        return pictures;
    const QRect frame = photos[std::size_t(index)].frame;
    for (std::size_t i = std::size_t(index); i < photos.size(); ++i)
        if (i == std::size_t(index) || photos[i].frame.intersects(frame))
            pictures.push_back(photos[i].picture());
    return pictures;
}

QVector<int> CardPhotos::paintOrder(const QVector<QRect>& frames) const
{
    QVector<int> order(frames.size(), -1);
    for (int i = 0; i < int(photos.size()); ++i) {
        const int frame = int(frames.indexOf(photos[std::size_t(i)].frame));
        if (frame >= 0)
            order[frame] = i;
    }
    return order;
}

qint64 CardPhotos::sourceBytes() const
{
    qint64 total = 0;
    for (const PlacedPhoto& photo : photos)
        total += photo.source.sizeInBytes();
    return total;
}

void CardPhotos::keepWithinBudget(qint64 budget)
{
    bool reduced = true;
    while (sourceBytes() > budget && reduced) {
        reduced = false;
        for (PlacedPhoto& photo : photos) {
            const qint64 total = sourceBytes();
            if (total <= budget)
                return;
            const qint64 bytes = photo.source.sizeInBytes();
            // Never below the frame on the screen: the card would lose detail it shows.
            const QSizeF cover = coverSize(photo.source.size(), photo.frame.size());
            const double smallest = std::max(photo.frame.width() / cover.width(), photo.frame.height() / cover.height());
            if (bytes == 0 || smallest >= 1)
                continue;
            // One pass keeps at least a quarter of a source, oldest first.
            const double wanted = std::max(0.25, double(bytes - (total - budget)) / double(bytes));
            QImage smaller = smoothlyScaled(photo.source, std::max(std::sqrt(wanted), smallest));
            if (smaller.sizeInBytes() >= bytes)
                continue;
            photo.source = std::move(smaller);
            reduced = true;
        }
    }
}

void CardPhotos::release()
{
    shown = false;
    photos.clear();
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
