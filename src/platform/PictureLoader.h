#pragma once
// Loads picture files (JPEG, BMP, GIF, WMF) for the card. Damaged or hostile
// files are refused, never a crash.
#include <QByteArray>
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

// Pictures with more pixels than this are refused before they are decoded.
constexpr qint64 kMaxPicturePixels = 100'000'000;

// Loads the picture at `path`. When `targetSize` is valid, a large picture may
// be decoded at a reduced scale that is still at least that size.
std::optional<LoadedPicture> load(const QString& path, QSize targetSize = QSize());

// The same for a picture already in memory.
std::optional<LoadedPicture> loadFromData(const QByteArray& data, QSize targetSize = QSize());

}
