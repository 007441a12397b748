#pragma once
// HEIF, HEIC and AVIF photos through libheif: the primary image, with the
// file's own rotation, mirroring and crop applied (and no EXIF orientation on
// top), high bit depths brought to 8 bits, transparency flattened on white.
#include "platform/PictureDecoding.h"

#include <QByteArray>

namespace HeifDecoder {

// The file starts with a HEIF "ftyp" box of a still-image brand.
bool recognises(const QByteArray& data);

// Decodes for `target` (invalid: the full size) within the memory limit.
// The colours of an embedded ICC profile or of nclx numbers come with it.
PictureLoadError decode(const QByteArray& data, QSize target, PictureDecoding::Decoded& out);

}
