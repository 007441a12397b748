#pragma once
// Reads Windows metafiles (placeable or plain) by playing their records onto a
// raster of at most kMaxRasterSide pixels a side. Malformed files are refused.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <optional>

namespace WmfReader {

constexpr int kMaxRasterSide = 4096;

struct Picture {
    QImage image;     // RGB32 on white; smaller than fullSize when a smaller target was asked for
    QSize fullSize;   // the picture's own size in pixels
};

// True when `data` starts like a metafile (placeable key or a plain header).
bool looksLikeMetafile(const QByteArray& data);

// The picture's size in pixels: a placeable file's bounding box at 96 dots per
// inch, or a plain file's first window extent in logical units; capped at
// kMaxRasterSide a side with the shape kept. Empty when the headers are malformed.
QSize pictureSize(const QByteArray& data);

// Plays the metafile. When `targetSize` is valid and smaller, the picture is
// played at the smallest scale that still covers it.
std::optional<Picture> read(const QByteArray& data, QSize targetSize = QSize());

}
