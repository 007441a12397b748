#include "platform/SafeImageFile.h"

#include <QImageWriter>
#include <QSaveFile>

bool writeImageFile(const QImage& image, const QString& path, const char* format, int quality)
{
    if (image.isNull() || path.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, format);
    writer.setQuality(quality);
    // A full disk may only show when the last buffered bytes are flushed, and
    // commit() alone does not always report that: check the flush first.
    if (!writer.write(image) || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
