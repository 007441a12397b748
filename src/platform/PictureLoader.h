#pragma once
// Loads picture files (JPEG, BMP, GIF, WMF) for the card. Damaged or hostile
// files are refused, never a crash.
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

struct LoadedPicture {
    QImage image;     // upright, opaque; may be smaller than the full size when a target size was given
    int width = 0;    // the picture's full size in pixels
    int height = 0;
};

namespace PictureLoader {
// Loads the picture at `path`. When `targetSize` is valid, a large picture may
// be decoded at a reduced scale that is still at least that size.
std::optional<LoadedPicture> load(const QString& path, QSize targetSize = QSize());
}
