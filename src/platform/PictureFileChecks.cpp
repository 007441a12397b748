#include "platform/PictureFileChecks.h"

#include "platform/ByteReader.h"
#include "platform/Dib.h"

#include <algorithm>
#include <cstring>

namespace {

const uchar* bytesOf(const QByteArray& data)
{
    return reinterpret_cast<const uchar*>(data.constData());
}

// Skips a GIF sequence of data sub-blocks up to its empty terminator.
bool skipSubBlocks(ByteReader& r)
{
    for (;;) {
        const int length = r.u8();
        if (!r.ok())
            return false;
        if (length == 0)
            return true;
        r.skip(length);
    }
}

}

namespace {

// Where the entropy-coded data from `pos` on ends: the first 0xFF that is not
// a stuffed 0, a fill byte or a restart marker. -1 when the file ends first.
qint64 endOfScanData(const uchar* p, qint64 size, qint64 pos)
{
    for (;;) {
        const void* next = std::memchr(p + pos, 0xFF, size_t(size - pos));
        if (!next)
            return -1;
        pos = static_cast<const uchar*>(next) - p;
        if (pos + 1 >= size)
            return -1;
        const uchar following = p[pos + 1];
        if (following != 0 && following != 0xFF && (following < 0xD0 || following > 0xD7))
            return pos;
        pos += following == 0xFF ? 1 : 2;
    }
}

}

bool PictureFileChecks::jpegIsComplete(const QByteArray& data)
{
    const uchar* p = bytesOf(data);
    const qint64 size = data.size();
    if (size < 4 || p[0] != 0xFF || p[1] != 0xD8)
        return false;
    qint64 pos = 2;
    while (pos + 1 < size) {
        if (p[pos] != 0xFF)
            return false;
        const uchar marker = p[pos + 1];
        pos += 2;
        if (marker == 0xFF) {    // fill byte
            --pos;
            continue;
        }
        if (marker == 0xD9)
            return true;
        if ((marker >= 0xD0 && marker <= 0xD7) || marker == 0x01)
            continue;
        if (pos + 2 > size)
            return false;
        const qint64 length = (p[pos] << 8) | p[pos + 1];
        if (length < 2 || pos + length > size)
            return false;
        pos += length;
        if (marker != 0xDA)
            continue;
        // Every header came before the first scan; a file that ends with the
        // end-of-image marker is complete without reading through the scans.
        if (p[size - 2] == 0xFF && p[size - 1] == 0xD9)
            return true;
        pos = endOfScanData(p, size, pos);
        if (pos < 0)
            return false;
    }
    return false;
}

bool PictureFileChecks::bmpIsComplete(const QByteArray& data)
{
    constexpr qint64 kFileHeaderBytes = 14;
    ByteReader r(bytesOf(data), data.size());
    const quint16 signature = r.u16();
    r.skip(8);    // file size and reserved: the data length is what counts
    const quint32 pixelOffset = r.u32();
    if (!r.ok() || signature != 0x4D42 || pixelOffset < kFileHeaderBytes)
        return false;
    return Dib::isWellFormed(bytesOf(data) + kFileHeaderBytes, data.size() - kFileHeaderBytes,
                             qint64(pixelOffset) - kFileHeaderBytes);
}

bool PictureFileChecks::gifFirstFrameIsComplete(const QByteArray& data)
{
    ByteReader r(bytesOf(data), data.size());
    if (!data.startsWith("GIF87a") && !data.startsWith("GIF89a"))
        return false;
    r.skip(6 + 4);    // signature, screen width and height
    const int flags = r.u8();
    r.skip(2);        // background colour, aspect ratio
    if (flags & 0x80)
        r.skip(3 << ((flags & 7) + 1));
    while (r.ok()) {
        const int introducer = r.u8();
        if (introducer == 0x21) {    // extension: label and sub-blocks
            r.u8();
            if (!skipSubBlocks(r))
                return false;
        } else if (introducer == 0x2C) {    // image descriptor
            r.skip(8);
            const int imageFlags = r.u8();
            if (imageFlags & 0x80)
                r.skip(3 << ((imageFlags & 7) + 1));
            r.u8();    // code size
            return r.ok() && skipSubBlocks(r);
        } else {
            return false;    // trailer before any image, or garbage
        }
    }
    return false;
}

namespace {

// Coefficient memory of a progressive frame: each component keeps all its
// 8 x 8 blocks, padded to whole sampling units, 64 coefficients of 2 bytes.
qint64 progressiveCoefficientBytes(const uchar* frame, qint64 length)
{
    if (length < 6)
        return 0;
    const qint64 height = (frame[1] << 8) | frame[2];
    const qint64 width = (frame[3] << 8) | frame[4];
    const int components = frame[5];
    if (length < 6 + 3 * qint64(components))
        return 0;
    int maxH = 1, maxV = 1;
    for (int i = 0; i < components; ++i) {
        maxH = std::max(maxH, frame[7 + 3 * i] >> 4);
        maxV = std::max(maxV, frame[7 + 3 * i] & 15);
    }
    qint64 bytes = 0;
    for (int i = 0; i < components; ++i) {
        const int h = std::max(1, frame[7 + 3 * i] >> 4), v = std::max(1, frame[7 + 3 * i] & 15);
        const auto blocks = [](qint64 size, int factor, int maxFactor) {
            const qint64 count = (size * factor + 8 * maxFactor - 1) / (8 * maxFactor);
            return (count + factor - 1) / factor * factor;
        };
        bytes += blocks(width, h, maxH) * blocks(height, v, maxV) * 64 * 2;
    }
    return bytes;
}

}

PictureFileChecks::JpegLayout PictureFileChecks::jpegLayout(const QByteArray& data)
{
    JpegLayout layout;
    const uchar* p = bytesOf(data);
    const qint64 size = data.size();
    qint64 pos = 2;
    while (pos + 3 < size) {
        if (p[pos] != 0xFF)
            return layout;
        const uchar marker = p[pos + 1];
        pos += 2;
        if (marker == 0xFF) {
            --pos;
            continue;
        }
        if (marker == 0xD9)
            return layout;
        if ((marker >= 0xD0 && marker <= 0xD7) || marker == 0x01)
            continue;
        const qint64 length = (p[pos] << 8) | p[pos + 1];
        if (length < 2 || pos + length > size)
            return layout;
        // Frame headers: 0xC0..0xCF but the table markers 0xC4, 0xC8 and 0xCC.
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            layout.progressive = marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
            layout.coefficientBytes = layout.progressive ? progressiveCoefficientBytes(p + pos + 2, length - 2) : 0;
        }
        pos += length;
        if (marker != 0xDA)
            continue;
        ++layout.scans;
        pos = endOfScanData(p, size, pos);
        if (pos < 0)
            return layout;
    }
    return layout;
}

