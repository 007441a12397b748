#pragma once
// Photo files of the newer formats for the loader tests: HEIC and AVIF made
// with libheif's own encoder, colour profiles made with LittleCMS, and the
// profile chunks of JPEG and PNG.
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <array>

struct HeifOptions {
    bool avif = false;
    int orientation = 1;        // as EXIF numbers it, 1 to 8
    QByteArray profile;         // ICC profile to embed
    bool displayP3 = false;     // nclx: Display P3 primaries, sRGB curve
    int bitDepth = 8;
    bool alpha = false;
    int exifOrientation = 0;    // an EXIF block with this orientation too
};
// Empty when the encoder cannot make it.
QByteArray heifOf(const QImage& image, const HeifOptions& options = {});

// A HEIF grid (or overlay) of one tile, the picture of `single` (a file of
// heifOf), whose canvas is `canvas` while its size property claims `claimed`.
QByteArray heifGridOf(const QByteArray& single, QSize canvas, QSize claimed, bool overlay = false);

// A matrix profile with these primaries (CIE xy, red green blue), D65 white
// and the sRGB curve, or a pure `gamma` when one is given.
QByteArray rgbProfile(const double primaries[6], double gamma = 0);
QByteArray adobeRgbProfile();
// ProPhoto-like wide primaries, and sRGB's with red and green swapped.
QByteArray wideGamutProfile();
QByteArray redGreenSwappedProfile();
QByteArray displayP3Profile();

// The sRGB picture turned into the profile's colours (as a camera or editor
// saving with that profile would).
QImage inProfile(const QImage& srgb, const QByteArray& profile);

QByteArray jpegWithProfile(const QByteArray& jpeg, const QByteArray& profile, int chunkBytes = 60000);
QByteArray pngWithProfile(const QByteArray& png, const QByteArray& profile);
// A little-endian TIFF structure of one directory; `entries` are (tag, type,
// count, value or offset) rows, `extra` follows the directory.
QByteArray tiffOf(const QList<std::array<quint32, 4>>& entries, const QByteArray& extra = {});
// A JPEG with an EXIF block that marks it as Adobe RGB.
QByteArray jpegMarkedAdobeRgb(const QByteArray& jpeg);
// A PNG chunk with its length and checksum.
QByteArray pngChunk(const char* type, const QByteArray& data);

// Smooth colour fields, like a photo without grain.
QImage smoothPicture(int width, int height);
// Mean difference per channel.
double meanDifference(const QImage& a, const QImage& b);
