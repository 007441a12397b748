#include "platform/WmfReader.h"

#include "platform/ByteReader.h"
#include "platform/WmfPlayer.h"
#include "platform/WmfRecords.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr int kPlaceableHeaderBytes = 22;
constexpr int kHeaderWords = 9;

struct Layout {
    QRectF window;           // the logical rectangle that makes up the picture
    QSize size;              // its size in pixels, capped
    qint64 recordsOffset = 0;
    int objectCapacity = 0;
};

bool readMetaHeader(ByteReader& r, Layout& layout)
{
    const quint16 type = r.u16();
    const quint16 headerWords = r.u16();
    r.u16();                    // version
    r.u32();                    // file size in words: the data itself is what counts
    layout.objectCapacity = r.u16();
    r.u32();                    // largest record: never trusted
    r.u16();                    // unused
    return r.ok() && (type == 1 || type == 2) && headerWords == kHeaderWords;
}

QSize cappedSize(double width, double height)
{
    const double scale = std::min(1.0, WmfReader::kMaxRasterSide / std::max(width, height));
    return QSize(std::max(1, int(std::lround(width * scale))), std::max(1, int(std::lround(height * scale))));
}

// A plain metafile has no bounding box: its first window origin and extent,
// set before anything is drawn, make up the picture.
std::optional<QRectF> firstWindow(const uchar* records, qint64 size)
{
    Wmf::RecordStream stream(records, size);
    Wmf::Record record;
    QPointF origin;
    while (stream.next(record) == Wmf::RecordStream::Next) {
        ByteReader r(record.params, record.paramBytes);
        if (record.function == Wmf::SetWindowOrg) {
            const int y = r.i16();
            origin = QPointF(r.i16(), y);
        } else if (record.function == Wmf::SetWindowExt) {
            const int y = r.i16();
            const int x = r.i16();
            if (r.ok() && x != 0 && y != 0)
                return QRectF(origin, QSizeF(x, y));
        }
    }
    return std::nullopt;
}

std::optional<Layout> readLayout(const QByteArray& data)
{
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    ByteReader r(bytes, data.size());
    Layout layout;
    if (r.u32() == kPlaceableKey) {
        r.u16();    // handle
        const int left = r.i16();
        const int top = r.i16();
        const int right = r.i16();
        const int bottom = r.i16();
        const int unitsPerInch = r.u16();
        r.skip(6);    // reserved and checksum
        if (!r.ok() || unitsPerInch == 0 || right <= left || bottom <= top)
            return std::nullopt;
        layout.window = QRectF(left, top, right - left, bottom - top);
        layout.size = cappedSize(layout.window.width() * 96.0 / unitsPerInch,
                                 layout.window.height() * 96.0 / unitsPerInch);
        if (!readMetaHeader(r, layout))
            return std::nullopt;
        layout.recordsOffset = kPlaceableHeaderBytes + 2 * kHeaderWords;
        return layout;
    }
    r = ByteReader(bytes, data.size());
    if (!readMetaHeader(r, layout))
        return std::nullopt;
    layout.recordsOffset = 2 * kHeaderWords;
    const std::optional<QRectF> window = firstWindow(bytes + layout.recordsOffset, data.size() - layout.recordsOffset);
    if (!window)
        return std::nullopt;
    layout.window = *window;
    layout.size = cappedSize(std::abs(window->width()), std::abs(window->height()));
    return layout;
}

}

bool WmfReader::looksLikeMetafile(const QByteArray& data)
{
    ByteReader r(reinterpret_cast<const uchar*>(data.constData()), data.size());
    const quint32 key = r.u32();
    if (r.ok() && key == kPlaceableKey)
        return true;
    const quint16 type = quint16(key & 0xFFFF);
    const quint16 headerWords = quint16(key >> 16);
    const quint16 version = r.u16();
    return r.ok() && (type == 1 || type == 2) && headerWords == kHeaderWords
           && (version == 0x0100 || version == 0x0300);
}

QSize WmfReader::pictureSize(const QByteArray& data)
{
    const std::optional<Layout> layout = readLayout(data);
    return layout ? layout->size : QSize();
}

std::optional<WmfReader::Picture> WmfReader::read(const QByteArray& data, QSize targetSize)
{
    const std::optional<Layout> layout = readLayout(data);
    if (!layout)
        return std::nullopt;
    QSize raster = layout->size;
    if (targetSize.isValid() && !targetSize.isEmpty()) {
        const double scale = std::max(double(targetSize.width()) / raster.width(),
                                      double(targetSize.height()) / raster.height());
        if (scale < 1)
            raster = QSize(std::max(1, int(std::ceil(raster.width() * scale))),
                           std::max(1, int(std::ceil(raster.height() * scale))));
    }
    QImage image(raster, QImage::Format_RGB32);
    if (image.isNull())
        return std::nullopt;
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    WmfPlayer player(painter, QSizeF(raster), layout->window, layout->objectCapacity);
    const auto* records = reinterpret_cast<const uchar*>(data.constData()) + layout->recordsOffset;
    Wmf::RecordStream stream(records, data.size() - layout->recordsOffset);
    const bool played = player.play(stream);
    painter.end();
    if (!played)
        return std::nullopt;
    return Picture{image, layout->size};
}
