#pragma once
// Writes an image file so that the target is either the complete new file or
// left as it was: the data goes to a temporary file that replaces the target
// only after every byte reached the disk.
#include <QImage>
#include <QString>

// `format` is a Qt image format name ("bmp", "jpeg"); `quality` -1 for the default.
bool writeImageFile(const QImage& image, const QString& path, const char* format, int quality = -1);
