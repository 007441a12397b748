// Reads arbitrary bytes as a picture file's colour description and as an ICC
// profile, the way the loader does before it converts a photo to sRGB.
#include "platform/EmbeddedColour.h"
#include "platform/SrgbConversion.h"

#include <QImage>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    QImage pixels(7, 3, QImage::Format_RGB32);
    pixels.fill(0xFF336699);
    for (const QByteArray& profile : {bytes, EmbeddedColour::jpegProfile(bytes), EmbeddedColour::pngProfile(bytes),
                                      EmbeddedColour::webpProfile(bytes), EmbeddedColour::tiffProfile(bytes)})
        if (const auto conversion = SrgbConversion::fromIcc(profile))
            conversion->apply(pixels);
    EmbeddedColour::jpegExifSaysAdobeRgb(bytes);
    return 0;
}
