#include "SamplePictures.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>

namespace {

void put16(QByteArray& out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void put32(QByteArray& out, quint32 value)
{
    put16(out, int(value & 0xFFFF));
    put16(out, int(value >> 16));
}

QByteArray metaHeader(int objects, qint64 totalBytes)
{
    QByteArray h;
    put16(h, 1);    // in memory
    put16(h, 9);
    put16(h, 0x0300);
    put32(h, quint32(totalBytes / 2));
    put16(h, objects);
    put32(h, 64);
    put16(h, 0);
    return h;
}

QByteArray endRecord()
{
    QByteArray r;
    put32(r, 3);
    put16(r, 0);
    return r;
}

}

QByteArray WmfBuilder::words(std::initializer_list<int> words)
{
    QByteArray out;
    for (int w : words)
        put16(out, w);
    return out;
}

WmfBuilder& WmfBuilder::record(quint16 function, std::initializer_list<int> params)
{
    return record(function, words(params));
}

WmfBuilder& WmfBuilder::record(quint16 function, const QByteArray& params)
{
    QByteArray padded = params;
    if (padded.size() % 2)
        padded.append('\0');
    return rawRecord(quint32(3 + padded.size() / 2), function, padded);
}

WmfBuilder& WmfBuilder::rawRecord(quint32 sizeInWords, quint16 function, const QByteArray& params)
{
    put32(records_, sizeInWords);
    put16(records_, function);
    records_.append(params);
    return *this;
}

QByteArray WmfBuilder::placeable(QRect box, int unitsPerInch, int objects) const
{
    QByteArray out;
    put32(out, 0x9AC6CDD7);
    put16(out, 0);
    for (int v : {box.left(), box.top(), box.left() + box.width(), box.top() + box.height()})
        put16(out, v);
    put16(out, unitsPerInch);
    put32(out, 0);
    put16(out, 0);
    return out + plain(objects);
}

QByteArray WmfBuilder::plain(int objects) const
{
    const QByteArray body = records_ + endRecord();
    return metaHeader(objects, 18 + body.size()) + body;
}

QByteArray dib24(const QImage& image)
{
    QByteArray out;
    const int rowBytes = (image.width() * 3 + 3) / 4 * 4;
    put32(out, 40);
    put32(out, quint32(image.width()));
    put32(out, quint32(image.height()));
    put16(out, 1);
    put16(out, 24);
    for (int i = 0; i < 6; ++i)
        put32(out, 0);
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            row.append(char(qBlue(p))).append(char(qGreen(p))).append(char(qRed(p)));
        }
        out.append(row.leftJustified(rowBytes, '\0'));
    }
    return out;
}

QByteArray gifOf(const QImage& image, int transparentIndex)
{
    const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    QByteArray out("GIF89a");
    put16(out, image.width());
    put16(out, image.height());
    out.append(char(0xF7)).append('\0').append('\0');
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < indexed.colorCount() ? indexed.color(i) : 0;
        out.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    }
    if (transparentIndex >= 0)
        out.append(QByteArray("\x21\xF9\x04\x01\x00\x00", 6)).append(char(transparentIndex)).append('\0');
    out.append(char(0x2C));
    put16(out, 0);
    put16(out, 0);
    put16(out, image.width());
    put16(out, image.height());
    out.append('\0').append(char(8));
    // 9-bit codes, with a clear code often enough that the code size never grows.
    QByteArray packed;
    quint32 bits = 0;
    int bitCount = 0;
    auto writeCode = [&](int code) {
        bits |= quint32(code) << bitCount;
        for (bitCount += 9; bitCount >= 8; bitCount -= 8, bits >>= 8)
            packed.append(char(bits & 0xFF));
    };
    int sinceClear = 0;
    for (int y = 0; y < indexed.height(); ++y)
        for (int x = 0; x < indexed.width(); ++x) {
            if (sinceClear++ % 200 == 0)
                writeCode(256);
            writeCode(indexed.pixelIndex(x, y));
        }
    writeCode(257);
    if (bitCount > 0)
        packed.append(char(bits & 0xFF));
    for (int i = 0; i < packed.size(); i += 255) {
        const QByteArray block = packed.mid(i, 255);
        out.append(char(block.size())).append(block);
    }
    out.append('\0').append(char(0x3B));
    return out;
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 90);
    return out;
}

QByteArray jpegWithOrientation(const QImage& image, int orientation)
{
    QByteArray exif("Exif\0\0II*\0", 10);
    put32(exif, 8);
    put16(exif, 1);                      // one entry
    put16(exif, 0x0112);                 // orientation
    put16(exif, 3);                      // short
    put32(exif, 1);
    put16(exif, orientation);
    put16(exif, 0);
    put32(exif, 0);                      // no next directory
    QByteArray segment("\xFF\xE1", 2);
    segment.append(char((exif.size() + 2) >> 8)).append(char((exif.size() + 2) & 0xFF)).append(exif);
    QByteArray jpeg = encoded(image, "JPG");
    return jpeg.insert(2, segment);
}

QImage twoHalves(int width, int height, QColor left, QColor right)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(right);
    QPainter(&image).fillRect(0, 0, width / 2, height, left);
    return image;
}

bool isNear(QRgb pixel, QColor expected, int tolerance)
{
    return std::abs(qRed(pixel) - expected.red()) <= tolerance && std::abs(qGreen(pixel) - expected.green()) <= tolerance
           && std::abs(qBlue(pixel) - expected.blue()) <= tolerance;
}

QByteArray progressiveJpeg(const QImage& image)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.write(image);
    return out;
}

QByteArray jpegClaimingSize(QByteArray jpeg, int width, int height)
{
    // The first frame header (baseline or progressive) holds the size after
    // its length and precision.
    int at = 2;
    while (at + 4 < jpeg.size() && !(jpeg[at + 1] == char(0xC0) || jpeg[at + 1] == char(0xC2)))
        at += 2 + ((uchar(jpeg[at + 2]) << 8) | uchar(jpeg[at + 3]));
    const char size[] = {char(height >> 8), char(height), char(width >> 8), char(width)};
    return jpeg.replace(at + 5, 4, QByteArray(size, 4));
}

QByteArray jpegWithScans(const QByteArray& jpeg, int scans)
{
    const int last = int(jpeg.lastIndexOf("\xFF\xDA"));
    const QByteArray scan = jpeg.mid(last, jpeg.size() - 2 - last);
    const int present = int(jpeg.count("\xFF\xDA"));
    QByteArray out = jpeg.left(jpeg.size() - 2);
    for (int i = present; i < scans; ++i)
        out += scan;
    return out + "\xFF\xD9";
}

QByteArray flatRle8Bmp(int width, int height)
{
    QByteArray rows;
    for (int y = 0; y < height; ++y) {
        for (int left = width; left > 0; left -= 255)
            rows.append(char(std::min(left, 255))).append(char(0));
        rows.append(char(0)).append(char(0));    // end of row
    }
    rows.append(char(0)).append(char(1));        // end of picture
    QByteArray out("BM");
    put32(out, quint32(14 + 40 + 8 + rows.size()));
    put32(out, 0);
    put32(out, 14 + 40 + 8);
    put32(out, 40);
    put32(out, quint32(width));
    put32(out, quint32(height));
    put16(out, 1);
    put16(out, 8);
    put32(out, 1);    // run-length encoded, 8 bits
    put32(out, quint32(rows.size()));
    put32(out, 0);
    put32(out, 0);
    put32(out, 2);
    put32(out, 0);
    out.append(QByteArray("\x20\x80\xC0\x00\xFF\xFF\xFF\x00", 8));
    return out + rows;
}

