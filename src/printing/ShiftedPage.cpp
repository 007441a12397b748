#include "printing/ShiftedPage.h"

namespace {
constexpr double twipsPerMillimetre = 1440 / 25.4;
}

void MovedPage::drawLine(double x1, double y1, double x2, double y2, const QColor& color)
{
    target_.drawLine(x1 + dx(), y1 + dy(), x2 + dx(), y2 + dy(), color);
}

void MovedPage::drawRectangle(double x1, double y1, double x2, double y2, const QColor& color)
{
    target_.drawRectangle(x1 + dx(), y1 + dy(), x2 + dx(), y2 + dy(), color);
}

void MovedPage::drawPicture(const QImage& image, double x, double y, double width, double height)
{
    target_.drawPicture(image, x + dx(), y + dy(), width, height);
}

ShiftedPage::ShiftedPage(PrinterPage& target, double xMillimetres, double yMillimetres)
    : MovedPage(target), xMillimetres_(xMillimetres), yMillimetres_(yMillimetres)
{
}

void ShiftedPage::setUnit(Unit unit)
{
    unit_ = unit;
    MovedPage::setUnit(unit);
}

void ShiftedPage::setPageSetup(const PageSetup& setup)
{
    landscape_ = setup.orientation == QPageLayout::Landscape;
    MovedPage::setPageSetup(setup);
}

// On a landscape page the paper's right is the page's down and the paper's
// down is the page's left.
double ShiftedPage::dx() const
{
    const double mm = landscape_ ? -yMillimetres_ : xMillimetres_;
    return unit_ == Unit::Twips ? mm * twipsPerMillimetre : mm;
}

double ShiftedPage::dy() const
{
    const double mm = landscape_ ? xMillimetres_ : yMillimetres_;
    return unit_ == Unit::Twips ? mm * twipsPerMillimetre : mm;
}

// The card's mirror image about the axis starts where its right edge mirrors to.
void MirroredPage::beginCard(const QRectF& card)
{
    shift_ = 2 * axis_ - 2 * card.left() - card.width();
    MovedPage::beginCard(card);
}
