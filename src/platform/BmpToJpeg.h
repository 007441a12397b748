#pragma once
// Converts a bitmap file into a JPEG file at the given quality (0..100).
#include <QString>

// True when the JPEG file was written completely; on failure an existing file
// at `jpegPath` is left untouched.
bool BmpToJpeg(const QString& bmpPath, const QString& jpegPath, int quality);
