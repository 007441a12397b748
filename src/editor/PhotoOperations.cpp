#include "editor/PhotoOperations.h"

#include "platform/CardSurface.h"

#include <QCoreApplication>

PhotoInFrame::PhotoInFrame(std::shared_ptr<const PhotoSource> source, QRect frame, PhotoPlacement placement, int layout)
    : source_(std::move(source)), frame_(frame), placement_(placement), layout_(layout)
{
}

QString PhotoInFrame::name() const
{
    return QCoreApplication::translate("Main", "Foto");
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
    return QCoreApplication::translate("Main", "Foto");
}

void PhotoInRectangle::draw(CardSurface& card, const ProgressDisplays&) const
{
    card.paintPhoto(source_->picture(), rectangle_);
}

QJsonObject PhotoInFrame::parameters(PhotoList& photos) const
{
    return {{"photo", photos.numberOf(source_)},
            {"frame", ParameterValue::rectangle(frame_)},
            {"zoom", placement_.zoom},
            {"centre", ParameterValue::point(placement_.centre)},
            {"stretched", placement_.stretched},
            {"layout", layout_}};
}

Operation PhotoInFrame::read(ParameterReader& parameters)
{
    auto source = parameters.photo("photo");
    const QRectF frame = parameters.rectangle("frame");
    if (frame != QRectF(frame.toRect()))
        parameters.refuse("frame");
    PhotoPlacement placement;
    placement.zoom = parameters.integer("zoom", PhotoPlacement::MinimumZoom, PhotoPlacement::MaximumZoom);
    placement.centre = parameters.point("centre");
    placement.stretched = parameters.flag("stretched");
    const int layout = parameters.integer("layout", 0, 1000);
    if (!(placement.centre.x() >= 0 && placement.centre.x() <= 1 && placement.centre.y() >= 0 && placement.centre.y() <= 1))
        parameters.refuse("centre");
    if (!parameters.ok())
        return nullptr;
    return std::make_shared<PhotoInFrame>(std::move(source), frame.toRect(), placement, layout);
}

QJsonObject PhotoInRectangle::parameters(PhotoList& photos) const
{
    return {{"photo", photos.numberOf(source_)}, {"rectangle", ParameterValue::rectangle(rectangle_)}};
}

Operation PhotoInRectangle::read(ParameterReader& parameters)
{
    auto source = parameters.photo("photo");
    const QRectF rectangle = parameters.rectangle("rectangle");
    if (!parameters.ok())
        return nullptr;
    return std::make_shared<PhotoInRectangle>(std::move(source), rectangle);
}
