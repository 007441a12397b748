#include "platform/BmpToJpeg.h"

#include "platform/SafeImageFile.h"

#include <QColorSpace>
#include <QImageReader>
#include <algorithm>

bool BmpToJpeg(const QString& bmpPath, const QString& jpegPath, int quality)
{
    QImageReader reader(bmpPath, "bmp");
    reader.setDecideFormatFromContent(true);
    const QImage bitmap = reader.read();
    if (bitmap.isNull())
        return false;
    // The card is sRGB; the JPEG says so, for print services and other programs.
    QImage card = bitmap.convertToFormat(QImage::Format_RGB32);
    card.setColorSpace(QColorSpace::SRgb);
    return writeImageFile(card, jpegPath, "jpeg", std::clamp(quality, 0, 100));
}
