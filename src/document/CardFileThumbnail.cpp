#include "document/CardFile.h"

// Placeholder until the thumbnail reader is written.
QImage CardFile::storedThumbnail(const QString&)
{
    return QImage();
}
