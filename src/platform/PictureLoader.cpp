#include "platform/PictureLoader.h"

#include <QImageReader>

std::optional<LoadedPicture> PictureLoader::load(const QString& path, QSize)
{
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return LoadedPicture{image, image.width(), image.height()};
}
