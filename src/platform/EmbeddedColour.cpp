#include "platform/EmbeddedColour.h"

#include "platform/TiffDirectory.h"

#include <QtEndian>
#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <zlib.h>

namespace {

const uchar* bytesOf(const QByteArray& data)
{
    return reinterpret_cast<const uchar*>(data.constData());
}

quint16 be16(const uchar* p) { return quint16((p[0] << 8) | p[1]); }
quint32 be32(const uchar* p) { return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | p[3]; }
quint32 le32(const uchar* p) { return (quint32(p[3]) << 24) | (quint32(p[2]) << 16) | (quint32(p[1]) << 8) | p[0]; }

// Calls `visit(marker, payload, length)` for each JPEG marker segment before
// the first scan, until `visit` returns false.
template <typename Visit>
void forEachJpegSegment(const QByteArray& jpeg, Visit visit)
{
    const uchar* p = bytesOf(jpeg);
    const qint64 size = jpeg.size();
    if (size < 4 || p[0] != 0xFF || p[1] != 0xD8)
        return;
    qint64 pos = 2;
    while (pos + 4 <= size) {
        if (p[pos] != 0xFF)
            return;
        const uchar marker = p[pos + 1];
        if (marker == 0xFF) {
            ++pos;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9)
            return;
        if ((marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) {
            pos += 2;
            continue;
        }
        const qint64 length = be16(p + pos + 2);
        if (length < 2 || pos + 2 + length > size)
            return;
        if (!visit(marker, p + pos + 4, length - 2))
            return;
        pos += 2 + length;
    }
}

// Inflates a zlib stream, giving up past `limit` bytes of output.
QByteArray inflateAtMost(const uchar* data, qint64 size, qint64 limit)
{
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return {};
    QByteArray out;
    std::array<char, 64 * 1024> chunk;
    stream.next_in = const_cast<Bytef*>(data);
    stream.avail_in = uInt(size);
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk.data());
        stream.avail_out = uInt(chunk.size());
        status = inflate(&stream, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END)
            break;
        out.append(chunk.data(), int(chunk.size() - stream.avail_out));
        if (out.size() > limit || (status == Z_OK && stream.avail_in == 0 && stream.avail_out != 0))
            break;
    }
    inflateEnd(&stream);
    return status == Z_STREAM_END && out.size() <= limit ? out : QByteArray();
}

}

QByteArray EmbeddedColour::jpegProfile(const QByteArray& jpeg)
{
    // The profile comes in numbered chunks: "ICC_PROFILE\0", sequence number
    // (from 1), chunk count, data.
    static const QByteArray signature("ICC_PROFILE\0", 12);
    std::map<int, QByteArray> chunks;
    int count = 0;
    qint64 total = 0;
    bool broken = false;
    forEachJpegSegment(jpeg, [&](uchar marker, const uchar* payload, qint64 length) {
        if (marker != 0xE2 || length < 14 || QByteArray::fromRawData(reinterpret_cast<const char*>(payload), 12) != signature)
            return true;
        const int sequence = payload[12], chunkCount = payload[13];
        if (sequence == 0 || chunkCount == 0 || sequence > chunkCount || (count && chunkCount != count)
            || chunks.count(sequence)) {
            broken = true;
            return false;
        }
        count = chunkCount;
        total += length - 14;
        if (total > kMaxProfileBytes) {
            broken = true;
            return false;
        }
        chunks[sequence] = QByteArray(reinterpret_cast<const char*>(payload + 14), int(length - 14));
        return true;
    });
    if (broken || count == 0 || int(chunks.size()) != count)
        return {};
    QByteArray profile;
    for (const auto& chunk : chunks)
        profile += chunk.second;
    return profile;
}

bool EmbeddedColour::jpegExifSaysAdobeRgb(const QByteArray& jpeg)
{
    bool adobe = false;
    forEachJpegSegment(jpeg, [&](uchar marker, const uchar* payload, qint64 length) {
        if (marker != 0xE1 || length < 14 || std::memcmp(payload, "Exif\0\0", 6) != 0)
            return true;
        const TiffData tiff(payload + 6, length - 6);
        const TiffData::Entry exif = tiff.find(tiff.firstDirectory(), 0x8769);
        if (!tiff.valid() || exif.valueAt < 0)
            return false;
        const quint32 exifDirectory = tiff.u32(exif.valueAt);
        const TiffData::Entry colourSpace = tiff.find(exifDirectory, 0xA001);
        const TiffData::Entry interop = tiff.find(exifDirectory, 0xA005);
        if (colourSpace.valueAt < 0 || tiff.u16(colourSpace.valueAt) != 0xFFFF || interop.valueAt < 0)
            return false;
        const QByteArray index = tiff.bytes(tiff.find(tiff.u32(interop.valueAt), 0x0001));
        adobe = index.startsWith("R03");
        return false;
    });
    return adobe;
}

QByteArray EmbeddedColour::pngProfile(const QByteArray& png)
{
    const uchar* p = bytesOf(png);
    const qint64 size = png.size();
    if (size < 8 || std::memcmp(p, "\x89PNG\r\n\x1a\n", 8) != 0)
        return {};
    for (qint64 pos = 8; pos + 12 <= size;) {
        const qint64 length = be32(p + pos);
        const uchar* type = p + pos + 4;
        const uchar* data = p + pos + 8;
        if (length > size - pos - 12)
            return {};
        // The profile must come before the image data.
        if (std::memcmp(type, "IDAT", 4) == 0 || std::memcmp(type, "IEND", 4) == 0)
            return {};
        if (std::memcmp(type, "iCCP", 4) == 0) {
            // Name (1 to 79 bytes), a zero, compression method 0, zlib data.
            const uchar* end = static_cast<const uchar*>(std::memchr(data, 0, size_t(std::min<qint64>(length, 80))));
            if (!end || end == data || end + 2 > data + length || end[1] != 0)
                return {};
            return inflateAtMost(end + 2, data + length - (end + 2), kMaxProfileBytes);
        }
        pos += 12 + length;
    }
    return {};
}

QByteArray EmbeddedColour::webpProfile(const QByteArray& webp)
{
    const uchar* p = bytesOf(webp);
    const qint64 size = webp.size();
    if (size < 12 || std::memcmp(p, "RIFF", 4) != 0 || std::memcmp(p + 8, "WEBP", 4) != 0)
        return {};
    for (qint64 pos = 12; pos + 8 <= size;) {
        const qint64 length = le32(p + pos + 4);
        if (length > size - pos - 8)
            return {};
        if (std::memcmp(p + pos, "ICCP", 4) == 0)
            return length <= kMaxProfileBytes ? webp.mid(int(pos + 8), int(length)) : QByteArray();
        pos += 8 + length + (length & 1);
    }
    return {};
}

QByteArray EmbeddedColour::tiffProfile(const QByteArray& tiffFile)
{
    const TiffData tiff(bytesOf(tiffFile), tiffFile.size());
    if (!tiff.valid())
        return {};
    const TiffData::Entry entry = tiff.find(tiff.firstDirectory(), 34675);
    if ((entry.type != 1 && entry.type != 7) || entry.count > quint32(kMaxProfileBytes))
        return {};
    return tiff.bytes(entry);
}
