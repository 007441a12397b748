#pragma once
// Decoding a photo once for both copies of the card.
#include "platform/PictureLoader.h"

#include <functional>

using PictureLoad = std::function<PictureLoadResult(const QString& path, QSize targetSize)>;

// Decodes the photo at `path` for a frame of `frame` screen pixels: at least
// CardSurface::PrintScale times the frame each way (at reduced JPEG scale where
// that suffices), so that one decode serves the screen and the print copy.
// When that decode is refused, the frame size itself is tried; the print copy
// is then a smooth enlargement. An invalid `frame` decodes the whole picture.
// A failure carries the reason of the last attempt.
PictureLoadResult loadPhotoForCard(const QString& path, QSize frame, const PictureLoad& load = PictureLoader::load);
