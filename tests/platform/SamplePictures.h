#pragma once
// Builds small picture files in memory for the loader tests.
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRect>
#include <initializer_list>

// Writes metafile records one 16-bit word at a time.
class WmfBuilder {
public:
    WmfBuilder& record(quint16 function, std::initializer_list<int> words);
    WmfBuilder& record(quint16 function, const QByteArray& params);
    // A record whose size field says `sizeInWords`, whatever follows.
    WmfBuilder& rawRecord(quint32 sizeInWords, quint16 function, const QByteArray& params = {});

    QByteArray placeable(QRect box, int unitsPerInch = 96, int objects = 16) const;
    QByteArray plain(int objects = 16) const;

    static QByteArray words(std::initializer_list<int> words);

private:
    QByteArray records_;
};

// A device-independent bitmap (40-byte header, no colour table) of 24-bit pixels.
QByteArray dib24(const QImage& image);

// A GIF of the image's first 256 colours, uncompressed codes; `transparent`
// marks one palette index as transparent.
QByteArray gifOf(const QImage& image, int transparentIndex = -1);

QByteArray encoded(const QImage& image, const char* format);

// A JPEG of `image` carrying the EXIF orientation `orientation` (1 to 8).
QByteArray jpegWithOrientation(const QImage& image, int orientation);

// A progressive JPEG of `image`.
QByteArray progressiveJpeg(const QImage& image);
// The JPEG with its frame header claiming `width` x `height`.
QByteArray jpegClaimingSize(QByteArray jpeg, int width, int height);
// The JPEG with its last scan repeated until it has `scans` scans.
QByteArray jpegWithScans(const QByteArray& jpeg, int scans);

// An 8-bit run-length encoded BMP of one colour: a big picture in a small file.
QByteArray flatRle8Bmp(int width, int height);

// Two halves: `left` on the left, `right` on the right.
QImage twoHalves(int width, int height, QColor left, QColor right);

bool isNear(QRgb pixel, QColor expected, int tolerance = 40);
