#include "platform/PhotoForCard.h"

#include "platform/CardSurface.h"

std::optional<LoadedPicture> loadPhotoForCard(const QString& path, QSize frame, const PictureLoad& load)
{
    if (!frame.isValid() || frame.isEmpty())
        return load(path, QSize());
    // A frame beyond any card (absurd input) is not multiplied.
    constexpr int LargestFrameSide = 1 << 16;
    if (frame.width() > LargestFrameSide || frame.height() > LargestFrameSide)
        return load(path, frame);
    if (auto detailed = load(path, frame * CardSurface::PrintScale); detailed && !detailed->image.isNull())
        return detailed;
    return load(path, frame);
}
