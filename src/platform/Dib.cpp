#include "platform/Dib.h"

#include "platform/ByteReader.h"

#include <QVector>
#include <optional>

namespace {

enum Compression : quint32 { RgbCompression = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

struct Mask {
    quint32 mask = 0;
    int shift = 0;
    quint32 max = 0;

    static Mask of(quint32 mask)
    {
        Mask m;
        m.mask = mask;
        if (mask == 0)
            return m;
        while (!((mask >> m.shift) & 1))
            ++m.shift;
        m.max = mask >> m.shift;
        return m;
    }
    int component(quint32 pixel) const { return max ? int(quint64((pixel & mask) >> shift) * 255 / max) : 0; }
};

struct Header {
    qint64 width = 0;
    qint64 height = 0;
    bool topDown = false;
    int bitCount = 0;
    quint32 compression = RgbCompression;
    qint64 colorCount = 0;    // entries in the colour table
    int colorEntrySize = 4;
    qint64 colorTableOffset = 0;
    qint64 pixelOffset = 0;
    Mask red, green, blue;

    qint64 rowBytes() const { return (width * bitCount + 31) / 32 * 4; }
};

std::optional<Header> readHeader(const uchar* data, qint64 size, int colorEntrySize, qint64 pixelOffset)
{
    ByteReader r(data, size);
    Header h;
    const quint32 headerSize = r.u32();
    quint32 colorsUsed = 0;
    if (headerSize == 12) {
        h.width = r.u16();
        h.height = r.u16();
        r.u16();    // planes
        h.bitCount = r.u16();
        colorEntrySize = colorEntrySize == 4 ? 3 : colorEntrySize;
    } else if (headerSize >= 40 && headerSize <= 1024) {
        h.width = r.i32();
        h.height = r.i32();
        r.u16();
        h.bitCount = r.u16();
        h.compression = r.u32();
        r.skip(12);    // image size and resolution: not needed
        colorsUsed = r.u32();
    } else {
        return std::nullopt;
    }
    if (!r.ok() || headerSize > quint64(size))
        return std::nullopt;
    if (h.height < 0) {
        h.topDown = true;
        h.height = -h.height;
    }
    if (h.width <= 0 || h.height <= 0 || h.width > 1'000'000 || h.height > 1'000'000)
        return std::nullopt;

    switch (h.compression) {
    case RgbCompression:
        if (h.bitCount != 1 && h.bitCount != 4 && h.bitCount != 8 && h.bitCount != 16 && h.bitCount != 24
            && h.bitCount != 32)
            return std::nullopt;
        break;
    case Rle8:
        if (h.bitCount != 8 || h.topDown)
            return std::nullopt;
        break;
    case Rle4:
        if (h.bitCount != 4 || h.topDown)
            return std::nullopt;
        break;
    case BitFields:
        if (h.bitCount != 16 && h.bitCount != 32)
            return std::nullopt;
        break;
    default:
        return std::nullopt;
    }

    qint64 offset = headerSize;
    if (h.compression == BitFields) {
        // The three masks follow a 40-byte header and are part of the larger ones.
        ByteReader masks(data + 40, size - 40);
        h.red = Mask::of(masks.u32());
        h.green = Mask::of(masks.u32());
        h.blue = Mask::of(masks.u32());
        if (!masks.ok())
            return std::nullopt;
        if (headerSize == 40)
            offset += 12;
    } else if (h.bitCount == 16) {
        h.red = Mask::of(0x7C00);
        h.green = Mask::of(0x03E0);
        h.blue = Mask::of(0x001F);
    } else if (h.bitCount == 32) {
        h.red = Mask::of(0x00FF0000);
        h.green = Mask::of(0x0000FF00);
        h.blue = Mask::of(0x000000FF);
    }

    if (h.bitCount <= 8) {
        const qint64 maxColors = qint64(1) << h.bitCount;
        if (colorsUsed > maxColors)
            return std::nullopt;
        h.colorCount = colorsUsed ? colorsUsed : maxColors;
    } else {
        h.colorCount = colorsUsed;    // an optional table for display; skipped
    }
    h.colorEntrySize = colorEntrySize;
    h.colorTableOffset = offset;
    const qint64 tableEnd = offset + h.colorCount * colorEntrySize;
    if (tableEnd > size)
        return std::nullopt;
    h.pixelOffset = pixelOffset >= 0 ? pixelOffset : tableEnd;
    if (h.pixelOffset < offset || h.pixelOffset > size)
        return std::nullopt;
    if (h.compression == RgbCompression || h.compression == BitFields) {
        if (h.rowBytes() * h.height > size - h.pixelOffset)
            return std::nullopt;
    }
    return h;
}

// Walks a run-length encoded pixel stream, calling put(x, y, index) for every
// pixel it sets (y counted from the bottom row). False when a run leaves the
// bitmap or the stream ends inside a code.
template <typename Put>
bool walkRunLengths(const Header& h, const uchar* data, qint64 size, Put put)
{
    ByteReader r(data, size);
    const bool nibbles = h.compression == Rle4;
    qint64 x = 0;
    qint64 y = 0;
    while (r.has(2)) {
        const int count = r.u8();
        const int value = r.u8();
        if (count > 0) {
            if (x + count > h.width || y >= h.height)
                return false;
            for (int i = 0; i < count; ++i, ++x)
                put(x, y, nibbles ? ((i & 1) ? value & 0x0F : value >> 4) : value);
        } else if (value == 0) {    // end of line
            x = 0;
            ++y;
        } else if (value == 1) {    // end of bitmap
            return true;
        } else if (value == 2) {    // move by (dx, dy)
            x += r.u8();
            y += r.u8();
            if (!r.ok() || x > h.width || y > h.height)
                return false;
        } else {    // a literal run of `value` pixels, padded to a whole word
            const int bytes = nibbles ? (value + 1) / 2 : value;
            if (x + value > h.width || y >= h.height || !r.has(bytes + (bytes & 1)))
                return false;
            const uchar* literal = r.current();
            for (int i = 0; i < value; ++i, ++x)
                put(x, y, nibbles ? ((i & 1) ? literal[i / 2] & 0x0F : literal[i / 2] >> 4) : literal[i]);
            r.skip(bytes + (bytes & 1));
        }
        if (y > h.height)
            return false;
    }
    return false;    // the data ended before the end-of-bitmap code
}

QVector<QRgb> readColorTable(const Header& h, const uchar* data, Dib::ColorTable table)
{
    QVector<QRgb> colors(int(qMin<qint64>(h.colorCount, 256)), qRgb(0, 0, 0));
    const uchar* entry = data + h.colorTableOffset;
    for (int i = 0; i < colors.size(); ++i, entry += h.colorEntrySize) {
        if (table == Dib::ColorTable::PaletteIndices) {
            const int index = entry[0] | (entry[1] << 8);
            colors[i] = qRgb(index & 0xFF, index & 0xFF, index & 0xFF);
        } else {
            colors[i] = qRgb(entry[2], entry[1], entry[0]);
        }
    }
    return colors;
}

int colorTableEntrySize(Dib::ColorTable table)
{
    return table == Dib::ColorTable::PaletteIndices ? 2 : 4;
}

void decodeRow(const Header& h, const uchar* row, const QVector<QRgb>& colors, QRgb* out)
{
    auto indexed = [&](int index) { return index < colors.size() ? colors[index] : qRgb(0, 0, 0); };
    for (qint64 x = 0; x < h.width; ++x) {
        switch (h.bitCount) {
        case 1:
            out[x] = indexed((row[x / 8] >> (7 - x % 8)) & 1);
            break;
        case 4:
            out[x] = indexed((x & 1) ? row[x / 2] & 0x0F : row[x / 2] >> 4);
            break;
        case 8:
            out[x] = indexed(row[x]);
            break;
        case 24:
            out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
            break;
        default: {
            const quint32 pixel = h.bitCount == 16 ? quint32(row[2 * x] | (row[2 * x + 1] << 8))
                                                   : quint32(row[4 * x]) | (quint32(row[4 * x + 1]) << 8)
                                                         | (quint32(row[4 * x + 2]) << 16)
                                                         | (quint32(row[4 * x + 3]) << 24);
            out[x] = qRgb(h.red.component(pixel), h.green.component(pixel), h.blue.component(pixel));
        }
        }
    }
}

}

QImage Dib::decode(const uchar* data, qint64 size, ColorTable table, qint64 pixelOffset)
{
    const std::optional<Header> h = readHeader(data, size, colorTableEntrySize(table), pixelOffset);
    if (!h || h->width * h->height > kMaxDecodedPixels)
        return QImage();
    const QVector<QRgb> colors = readColorTable(*h, data, table);
    const bool runLengths = h->compression == Rle8 || h->compression == Rle4;
    QImage image(int(h->width), int(h->height), runLengths ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        return QImage();
    const uchar* pixels = data + h->pixelOffset;
    if (runLengths) {
        image.fill(Qt::transparent);
        const int bottom = image.height() - 1;
        const bool ok = walkRunLengths(*h, pixels, size - h->pixelOffset, [&](qint64 x, qint64 y, int index) {
            reinterpret_cast<QRgb*>(image.scanLine(bottom - int(y)))[x] =
                index < colors.size() ? colors[index] : qRgb(0, 0, 0);
        });
        return ok ? image : QImage();
    }
    for (int y = 0; y < image.height(); ++y) {
        const int row = h->topDown ? y : image.height() - 1 - y;
        decodeRow(*h, pixels + qint64(row) * h->rowBytes(), colors, reinterpret_cast<QRgb*>(image.scanLine(y)));
    }
    return image;
}

bool Dib::isWellFormed(const uchar* data, qint64 size, qint64 pixelOffset)
{
    const std::optional<Header> h = readHeader(data, size, colorTableEntrySize(ColorTable::Rgb), pixelOffset);
    if (!h)
        return false;
    if (h->compression == Rle8 || h->compression == Rle4)
        return walkRunLengths(*h, data + h->pixelOffset, size - h->pixelOffset, [](qint64, qint64, int) {});
    return true;
}
