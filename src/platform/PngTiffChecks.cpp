#include "platform/PngTiffChecks.h"

#include "platform/TiffDirectory.h"

#include <algorithm>
#include <cstring>

namespace {

quint32 be32(const uchar* p)
{
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | p[3];
}

// What one strip or tile may hold uncompressed.
constexpr qint64 kMaxBlockBytes = 256LL << 20;
// Tiles are a few hundred pixels each way in real files.
constexpr quint32 kMaxTileSide = 8192;

}

bool PictureFileChecks::pngIsSound(const QByteArray& data)
{
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    const qint64 size = data.size();
    if (size < 8 + 25 || std::memcmp(p, "\x89PNG\r\n\x1A\n", 8) != 0 || be32(p + 8) != 13
        || std::memcmp(p + 12, "IHDR", 4) != 0)
        return false;
    const qint64 width = be32(p + 16), height = be32(p + 20);
    const int depth = p[24], colourType = p[25];
    static const int channelsOf[7] = {1, 0, 3, 1, 2, 0, 4};
    const int channels = colourType <= 6 ? channelsOf[colourType] : 0;
    if (width == 0 || height == 0 || width > 0x7FFFFFFF || height > 0x7FFFFFFF || channels == 0
        || (depth != 1 && depth != 2 && depth != 4 && depth != 8 && depth != 16))
        return false;
    // Filtered rows (one filter byte each, and a few more for interlacing)
    // and the most a deflate stream of them can take: stored blocks, or
    // fixed codes of up to 9 bits a byte, plus block headers.
    const qint64 raw = height * (1 + (width * channels * depth + 7) / 8) + 7 * height;
    const qint64 mostCompressed = raw + raw / 8 + 4096;
    qint64 compressed = 0;
    for (qint64 pos = 8; pos + 12 <= size;) {
        const qint64 length = be32(p + pos);
        if (length > size - pos - 12)
            return false;
        const uchar* type = p + pos + 4;
        if (std::memcmp(type, "IDAT", 4) == 0 && (compressed += length) > mostCompressed)
            return false;
        if (std::memcmp(type, "IEND", 4) == 0)
            return compressed > 0;
        pos += 12 + length;
    }
    return false;
}

bool PictureFileChecks::tiffIsSound(const QByteArray& data)
{
    const TiffData tiff(reinterpret_cast<const uchar*>(data.constData()), data.size());
    if (!tiff.valid())
        return false;
    const quint32 ifd = tiff.firstDirectory();
    const auto value = [&](quint16 tag, quint32 fallback) {
        const TiffData::Entry entry = tiff.find(ifd, tag);
        return entry.valueAt < 0 ? fallback : tiff.value(entry);
    };
    const qint64 width = value(256, 0), height = value(257, 0);
    const qint64 samples = std::max<quint32>(1, value(277, 1));
    const qint64 bits = std::max<quint32>(1, value(258, 1));
    const bool planar = value(284, 1) == 2;
    if (width == 0 || height == 0 || samples > 16 || bits > 64)
        return false;
    const qint64 pixelBits = planar ? bits : bits * samples;

    const bool tiled = tiff.find(ifd, 322).valueAt >= 0;
    qint64 blockWidth = width, blockHeight = std::min<qint64>(height, std::max<quint32>(1, value(278, quint32(height))));
    if (tiled) {
        blockWidth = value(322, 0);
        blockHeight = value(323, 0);
        if (blockWidth == 0 || blockHeight == 0 || blockWidth > kMaxTileSide || blockHeight > kMaxTileSide)
            return false;
    }
    if (blockHeight * ((blockWidth * pixelBits + 7) / 8) > kMaxBlockBytes)
        return false;
    const qint64 blocks = (width + blockWidth - 1) / blockWidth * ((height + blockHeight - 1) / blockHeight)
        * (planar ? samples : 1);
    const TiffData::Entry offsets = tiff.find(ifd, tiled ? 324 : 273);
    const TiffData::Entry counts = tiff.find(ifd, tiled ? 325 : 279);
    if (offsets.valueAt < 0 || counts.valueAt < 0 || offsets.count < blocks || counts.count < blocks)
        return false;
    for (quint32 i = 0; i < quint32(blocks); ++i)
        if (qint64(tiff.value(offsets, i)) + tiff.value(counts, i) > data.size())
            return false;
    return true;
}
