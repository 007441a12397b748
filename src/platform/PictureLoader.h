#pragma once
// Loads picture files for the card: JPEG, PNG, WebP, TIFF, HEIF/HEIC, AVIF,
// BMP, GIF and WMF, recognised by their content, never by their name. The
// result is upright, opaque and in sRGB. Damaged or hostile files are refused
// with the reason, never a crash.
#include "platform/PictureLoadError.h"

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

// A loaded picture, or why there is none.
struct PictureLoadResult : std::optional<LoadedPicture> {
    PictureLoadResult(std::nullopt_t = std::nullopt) {}
    PictureLoadResult(LoadedPicture picture) : std::optional<LoadedPicture>(std::move(picture)) {}
    PictureLoadResult(std::optional<LoadedPicture> picture) : std::optional<LoadedPicture>(std::move(picture)) {}
    PictureLoadResult(PictureLoadError why) : error(why) {}
    // Damaged when nothing more precise is known.
    PictureLoadError reason() const
    {
        return has_value() ? PictureLoadError::None : error == PictureLoadError::None ? PictureLoadError::Damaged : error;
    }
    PictureLoadError error = PictureLoadError::None;
};

namespace PictureLoader {

// Pictures with more pixels than this are refused before they are decoded.
constexpr qint64 kMaxPicturePixels = 100'000'000;

// Loads the picture at `path`. When `targetSize` is valid, a large picture may
// be decoded at a reduced scale that is still at least that size.
PictureLoadResult load(const QString& path, QSize targetSize = QSize());

// Reads a picture file whole, as load() does before decoding it; the reason
// when it cannot (not a plain file, unreadable, too large).
PictureLoadError readFile(const QString& path, QByteArray& data);

// The same for a picture already in memory.
PictureLoadResult loadFromData(const QByteArray& data, QSize targetSize = QSize());

}
