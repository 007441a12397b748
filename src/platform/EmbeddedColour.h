#pragma once
// Reads the colour description a picture file carries, from the file's bytes:
// the embedded ICC profile of a JPEG (APP2 chunks), PNG (iCCP), WebP (ICCP) or
// TIFF (tag 34675), and a camera JPEG's EXIF mark of Adobe RGB. Every length
// and offset is checked against the data; nothing is decoded beyond that.
#include <QByteArray>

namespace EmbeddedColour {

// Profiles beyond this are ignored: no real one comes near it.
constexpr int kMaxProfileBytes = 4 << 20;

// The embedded profile, or empty when there is none, it is incomplete or it
// is larger than kMaxProfileBytes.
QByteArray jpegProfile(const QByteArray& jpeg);
QByteArray pngProfile(const QByteArray& png);
QByteArray webpProfile(const QByteArray& webp);
QByteArray tiffProfile(const QByteArray& tiff);

// The EXIF of a JPEG says Adobe RGB: ColorSpace 0xFFFF (uncalibrated) with the
// interoperability index "R03".
bool jpegExifSaysAdobeRgb(const QByteArray& jpeg);

}
