#include "editor/PhotoOperations.h"

#include "platform/CardSurface.h"

PhotoInFrame::PhotoInFrame(std::shared_ptr<const PhotoSource> source, QRect frame, PhotoPlacement placement, int layout)
    : source_(std::move(source)), frame_(frame), placement_(placement), layout_(layout)
{
}

QString PhotoInFrame::name() const
{
    return QStringLiteral("Foto");
}

QRectF PhotoInFrame::shownPart() const
{
    return placement_.shownPart(source_->picture().size(), frame_.size());
}

void PhotoInFrame::draw(CardSurface& card, const ProgressDisplays&) const
{
    const QImage picture = source_->picture();
    card.paintPhotoPart(picture, placement_.shownPart(picture.size(), frame_.size()), QRectF(frame_));
}

Operation PhotoInFrame::placed(const PhotoPlacement& placement) const
{
    return std::make_shared<PhotoInFrame>(source_, frame_, placement, layout_);
}

PhotoInRectangle::PhotoInRectangle(std::shared_ptr<const PhotoSource> source, QRectF rectangle)
    : source_(std::move(source)), rectangle_(rectangle)
{
}

QString PhotoInRectangle::name() const
{
    return QStringLiteral("Foto");
}

void PhotoInRectangle::draw(CardSurface& card, const ProgressDisplays&) const
{
    card.paintPhoto(source_->picture(), rectangle_);
}
