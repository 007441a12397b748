#pragma once
// Structural checks of PNG and TIFF files, made before Qt's decoders see them:
// a truncated file, or one whose framing claims far more work or memory than
// its picture needs, is refused without decoding.
#include <QByteArray>

namespace PictureFileChecks {

// Every chunk fits, the header is sane, the file ends with IEND, and the
// compressed image data is no larger than a deflate stream of the declared
// picture can be. (A stream that inflates far beyond the declared size must be
// long: deflate expands at most about 1032 times.)
bool pngIsSound(const QByteArray& data);

// The first directory describes a picture whose strips or tiles have sane
// sizes, are as many as the picture needs, and lie inside the file.
bool tiffIsSound(const QByteArray& data);

}
