#include "editor/PhotoPlacement.h"

#include <algorithm>
#include <cmath>

namespace {

bool usable(QSizeF size)
{
    return size.width() > 0 && size.height() > 0 && std::isfinite(size.width()) && std::isfinite(size.height());
}

bool usable(QPointF point)
{
    return std::isfinite(point.x()) && std::isfinite(point.y());
}

// A part of the photo around `centre` (its pixels), moved back inside the photo.
QRectF partAround(QPointF centre, QSizeF part, QSizeF photo)
{
    const double x = std::clamp(centre.x() - part.width() / 2, 0.0, photo.width() - part.width());
    const double y = std::clamp(centre.y() - part.height() / 2, 0.0, photo.height() - part.height());
    return QRectF(QPointF(x, y), part);
}

// The placement that shows `part` at `zoom`.
PhotoPlacement showing(int zoom, const QRectF& part, QSizeF photo)
{
    PhotoPlacement placement;
    placement.zoom = zoom;
    placement.centre = QPointF(part.center().x() / photo.width(), part.center().y() / photo.height());
    return placement;
}

}

QSizeF coverSize(QSizeF photo, QSizeF frame)
{
    if (!usable(photo) || !usable(frame))
        return photo;
    const double shape = frame.width() / frame.height();
    const double width = std::min(photo.width(), photo.height() * shape);
    return QSizeF(width, width / shape);
}

PhotoPlacement PhotoPlacement::placed(bool trimmed)
{
    PhotoPlacement placement;
    placement.stretched = !trimmed;
    return placement;
}

QRectF PhotoPlacement::shownPart(QSizeF photo, QSizeF frame) const
{
    if (stretched || !usable(photo) || !usable(frame))
        return QRectF(QPointF(0, 0), photo);
    const double scale = double(MinimumZoom) / std::clamp(zoom, MinimumZoom, MaximumZoom);
    return partAround(QPointF(centre.x() * photo.width(), centre.y() * photo.height()), coverSize(photo, frame) * scale, photo);
}

PhotoPlacement PhotoPlacement::movedBy(QPointF delta, QSizeF photo, QSizeF frame) const
{
    if (!usable(photo) || !usable(frame) || !usable(delta))
        return *this;
    const PhotoPlacement from = stretched ? placed(true) : *this;
    const QRectF part = from.shownPart(photo, frame);
    // The photo follows the pointer, so the part shown moves the other way.
    const QPointF shift(delta.x() * part.width() / frame.width(), delta.y() * part.height() / frame.height());
    return showing(from.zoom, partAround(part.center() - shift, part.size(), photo), photo);
}

PhotoPlacement PhotoPlacement::zoomedAround(int steps, QPointF at, QSizeF photo, QSizeF frame) const
{
    if (!usable(photo) || !usable(frame) || !usable(at))
        return *this;
    const PhotoPlacement from = stretched ? placed(true) : *this;
    const int zoomed = std::clamp(from.zoom + steps * ZoomStep, MinimumZoom, MaximumZoom);
    const QRectF part = from.shownPart(photo, frame);
    const QPointF fraction(std::clamp(at.x() / frame.width(), 0.0, 1.0), std::clamp(at.y() / frame.height(), 0.0, 1.0));
    const QPointF fixed(part.x() + fraction.x() * part.width(), part.y() + fraction.y() * part.height());
    const QSizeF size = coverSize(photo, frame) * (double(MinimumZoom) / zoomed);
    const QPointF topLeft(fixed.x() - fraction.x() * size.width(), fixed.y() - fraction.y() * size.height());
    return showing(zoomed, partAround(QRectF(topLeft, size).center(), size, photo), photo);
}
