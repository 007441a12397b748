#include "platform/BmpToJpeg.h"

#include "platform/SafeImageFile.h"

#include <QImageReader>
#include <algorithm>

bool BmpToJpeg(const QString& bmpPath, const QString& jpegPath, int quality)
{
    QImageReader reader(bmpPath, "bmp");
    reader.setDecideFormatFromContent(true);
    const QImage bitmap = reader.read();
    if (bitmap.isNull())
        return false;
    return writeImageFile(bitmap.convertToFormat(QImage::Format_RGB32), jpegPath, "jpeg", std::clamp(quality, 0, 100));
}
