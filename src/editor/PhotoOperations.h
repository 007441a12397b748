#pragma once
// The two operations that put a photo on the card: a photo in a frame of a
// photo layout, with its placement (adjustable afterwards), and a photo
// imported into a rectangle dragged with the photo tool.
#include "editor/CardOperation.h"
#include "editor/OperationParameters.h"
#include "editor/PhotoPlacement.h"
#include "editor/PhotoSource.h"

#include <QRect>
#include <QRectF>

class PhotoInFrame : public CardOperation {
public:
    PhotoInFrame(std::shared_ptr<const PhotoSource> source, QRect frame, PhotoPlacement placement, int layout);

    OperationKind kind() const override { return OperationKind::PhotoInFrame; }
    QString name() const override;
    void draw(CardSurface& card, const ProgressDisplays& progress) const override;
    bool paintsOver(QPoint point) const override { return frame_.contains(point); }
    QJsonObject parameters(PhotoList& photos) const override;
    static Operation read(ParameterReader& parameters);

    const std::shared_ptr<const PhotoSource>& source() const { return source_; }
    QRect frame() const { return frame_; }
    const PhotoPlacement& placement() const { return placement_; }
    // The layout the photo was placed in: it can be adjusted while that layout is current.
    int layout() const { return layout_; }
    // The part of the picture the frame shows.
    QRectF shownPart() const;
    // The same photo with another placement.
    Operation placed(const PhotoPlacement& placement) const;

private:
    std::shared_ptr<const PhotoSource> source_;
    QRect frame_;
    PhotoPlacement placement_;
    int layout_;
};

class PhotoInRectangle : public CardOperation {
public:
    PhotoInRectangle(std::shared_ptr<const PhotoSource> source, QRectF rectangle);

    OperationKind kind() const override { return OperationKind::PhotoInRectangle; }
    QString name() const override;
    void draw(CardSurface& card, const ProgressDisplays& progress) const override;
    bool paintsOver(QPoint point) const override { return rectangle_.contains(point); }
    QJsonObject parameters(PhotoList& photos) const override;
    static Operation read(ParameterReader& parameters);

    const std::shared_ptr<const PhotoSource>& source() const { return source_; }
    QRectF rectangle() const { return rectangle_; }

private:
    std::shared_ptr<const PhotoSource> source_;
    QRectF rectangle_;
};
