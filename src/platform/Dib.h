#pragma once
// Device-independent bitmaps (info header, colour table, pixels) as they appear
// in metafile records and, after a 14-byte file header, in BMP files. Every
// field is checked against the bytes actually present before it is used.
#include <QImage>
#include <QtGlobal>

namespace Dib {

// How the colour table is stored: RGB quads, or 16-bit indices into the
// palette of the device (shown as grey levels, there is no palette here).
enum class ColorTable { Rgb, PaletteIndices };

// Bitmaps with more pixels than this are refused by decode().
constexpr qint64 kMaxDecodedPixels = 4096LL * 4096;

// Decodes the bitmap at `data`. The pixels follow the colour table, or start at
// `pixelOffset` bytes from `data` when that is not negative. Returns a null
// image when the bitmap is malformed, unsupported or too large. Pixels that a
// run-length encoded bitmap skips stay transparent.
QImage decode(const uchar* data, qint64 size, ColorTable table = ColorTable::Rgb, qint64 pixelOffset = -1);

// Checks the structure (header, colour table, the length of the pixel data and
// every run of a run-length encoded bitmap) without decoding the pixels and
// without a limit on the pixel count.
bool isWellFormed(const uchar* data, qint64 size, qint64 pixelOffset = -1);

}
