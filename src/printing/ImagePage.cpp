#include "printing/ImagePage.h"

namespace {
constexpr double a4WidthInches = 210 / 25.4;
constexpr double a4HeightInches = 297 / 25.4;

QImage blankSheet(QSize size)
{
    QImage sheet(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    return sheet;
}
}

ImagePage::ImagePage(QSize pixelSize)
    : size_(pixelSize.expandedTo(QSize(1, 1)))
{
    pages_.append(blankSheet(size_));
}

ImagePage::~ImagePage() = default;

const QList<QImage>& ImagePage::pages() const
{
    finishPainting();
    return pages_;
}

void ImagePage::finishPainting() const
{
    if (painter_)
        painter_->end();
    painter_.reset();
}

QPainter* ImagePage::painter()
{
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&pages_.last());
        painter_->setRenderHint(QPainter::Antialiasing);
        preparePainter(*painter_);
    }
    return painter_.get();
}

double ImagePage::dpiX() const
{
    return size_.width() / a4WidthInches;
}

double ImagePage::dpiY() const
{
    return size_.height() / a4HeightInches;
}

void ImagePage::newPage()
{
    // The painter works on the last image; finish it before the list grows.
    finishPainting();
    pages_.append(blankSheet(size_));
}

void ImagePage::endDocument()
{
    finishPainting();
}
