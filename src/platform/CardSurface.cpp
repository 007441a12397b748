#include "platform/CardSurface.h"

#include <QPainter>

CardSurface::CardSurface(int width, int height, QObject* parent)
    : DrawingSurface(width, height, parent),
      printBase_(blankImage(width * PrintScale, height * PrintScale, RGB(255, 255, 255))), printCurrent_(printBase_)
{
}

void CardSurface::setImages(const QImage& screen, const QImage& print)
{
    screenImage() = screen;
    printCurrent_ = print.size() == screen.size() * PrintScale ? print : screen.scaled(screen.size() * PrintScale);
    markAllChanged();
    refresh();
}

void CardSurface::assignBasePictures(const QImage& picture, const QImage& print)
{
    assignBase(picture, print);
}

void CardSurface::placePrintBase(const QImage& screen, const QImage& print)
{
    const QSize printSize = screen.size() * PrintScale;
    printBase_ = print.size() == printSize ? opaque(print) : screen.scaled(printSize);
    printCurrent_ = printBase_;
}

void CardSurface::paintPhotos(const std::vector<PlacedPicture>& photos, const QRect& clip)
{
    for (const PlacedPicture& photo : photos)
        paintPhotoPart(photo.source, photo.part, photo.frame, clip);
}

CardSurface::PhotoPreview::PhotoPreview(CardSurface& card, std::vector<PlacedPicture> photos, QImage screenSized)
    : card_(card), photos_(std::move(photos)), screenSized_(std::move(screenSized))
{
    if (photos_.empty())
        return;
    frame_ = photos_.front().frame.toAlignedRect() & card_.image().rect();
    before_ = card_.image().copy(frame_);
    for (std::size_t i = 1; i < photos_.size(); ++i) {
        const QRect over = photos_[i].frame.toAlignedRect() & frame_;
        above_.emplace_back(over, card_.image().copy(over));
    }
}

CardSurface::PhotoPreview::~PhotoPreview()
{
    if (committed_ || frame_.isEmpty())
        return;
    QPainter p(&card_.screenImage());
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(frame_.topLeft(), before_);
    p.end();
    card_.refresh();
}

void CardSurface::PhotoPreview::show(QPoint topLeft)
{
    if (frame_.isEmpty() || committed_)
        return;
    const QRectF frame = photos_.front().frame;
    const QPoint origin = frame.topLeft().toPoint();
    QPainter p(&card_.screenImage());
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.setClipRect(frame_);
    p.drawImage(origin, screenSized_, QRect(topLeft, frame.size().toSize()));
    for (const auto& [over, pixels] : above_)
        p.drawImage(over.topLeft(), pixels);
    p.end();
    card_.refresh();
}

void CardSurface::PhotoPreview::commit(const QRectF& part)
{
    if (committed_ || photos_.empty())
        return;
    committed_ = true;
    photos_.front().part = part;
    card_.paintPhotos(photos_, frame_);
    card_.refresh();
}
