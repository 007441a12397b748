#pragma once
// How a photo fills its frame when it keeps its shape ("Foto's bijsnijden").
#include <QImage>
#include <QRect>
#include <QSizeF>

// The part of a `source`-sized photo that, stretched to `frame`, keeps the
// photo's proportions: the largest centred rectangle of the frame's shape.
// The photo then covers the frame and is trimmed equally on the two sides
// where it overhangs. Unusable sizes give the whole photo.
QRect coverCrop(QSize source, QSizeF frame);

// The photo to stretch into the frame: trimmed by coverCrop when `crop` is
// on, the whole photo otherwise.
QImage photoForFrame(const QImage& photo, QSizeF frame, bool crop);
