#include "printing/ShiftedPage.h"

namespace {
constexpr double twipsPerMillimetre = 1440 / 25.4;
}

ShiftedPage::ShiftedPage(PrinterPage& target, double xMillimetres, double yMillimetres)
    : target_(target), xMillimetres_(xMillimetres), yMillimetres_(yMillimetres)
{
}

void ShiftedPage::setUnit(Unit unit)
{
    unit_ = unit;
    target_.setUnit(unit);
}

void ShiftedPage::setPageSetup(const PageSetup& setup)
{
    landscape_ = setup.orientation == QPageLayout::Landscape;
    target_.setPageSetup(setup);
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

void ShiftedPage::setPosition(double x, double y)
{
    target_.setPosition(x + dx(), y + dy());
}

void ShiftedPage::drawLine(double x1, double y1, double x2, double y2, const QColor& color)
{
    target_.drawLine(x1 + dx(), y1 + dy(), x2 + dx(), y2 + dy(), color);
}

void ShiftedPage::drawRectangle(double x1, double y1, double x2, double y2, const QColor& color)
{
    target_.drawRectangle(x1 + dx(), y1 + dy(), x2 + dx(), y2 + dy(), color);
}

void ShiftedPage::drawPicture(const QImage& image, double x, double y, double width, double height)
{
    target_.drawPicture(image, x + dx(), y + dy(), width, height);
}
