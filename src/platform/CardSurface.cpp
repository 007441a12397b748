#include "platform/CardSurface.h"

#include <QPainter>

CardSurface::CardSurface(int width, int height, QObject* parent)
    : DrawingSurface(width, height, parent),
      printBase_(blankImage(width * PrintScale, height * PrintScale, RGB(255, 255, 255))), printCurrent_(printBase_)
{
}

void CardSurface::setImages(const QImage& screen, const QImage& print)
{
    if (screenOnly_) {
        DrawingSurface::setImages(screen, print);
        return;
    }
    screenImage() = screen;
    printCurrent_ = print.size() == screen.size() * PrintScale ? print : screen.scaled(screen.size() * PrintScale);
    markAllChanged();
    refresh();
}

void CardSurface::placePrintBase(const QImage& screen, const QImage& print)
{
    if (screenOnly_)
        return;
    const QSize printSize = screen.size() * PrintScale;
    printBase_ = print.size() == printSize ? opaque(print) : screen.scaled(printSize);
    printCurrent_ = printBase_;
}

void CardSurface::paintPhotos(const std::vector<PlacedPicture>& photos, const QRect& clip)
{
    for (const PlacedPicture& photo : photos)
        paintPhotoPart(photo.source, photo.part, photo.frame, clip);
}

