#include "platform/PhotoForCard.h"

#include "platform/CardSurface.h"

PictureLoadResult loadPhotoForCard(const QString& path, QSize frame, const PictureLoad& load)
{
    if (!frame.isValid() || frame.isEmpty())
        return load(path, QSize());
    // A frame beyond any card (absurd input) is not multiplied.
    constexpr int LargestFrameSide = 1 << 16;
    if (frame.width() > LargestFrameSide || frame.height() > LargestFrameSide)
        return load(path, frame);
    PictureLoadResult detailed = load(path, frame * CardSurface::PrintScale);
    if (detailed && !detailed->image.isNull())
        return detailed;
    // Only a picture too large at the detailed size may still load smaller.
    const PictureLoadError error = detailed.reason();
    if (error == PictureLoadError::Unsupported || error == PictureLoadError::Unreadable
        || error == PictureLoadError::TooManyPixels)
        return detailed;
    return load(path, frame);
}
