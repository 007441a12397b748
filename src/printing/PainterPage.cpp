#include "printing/PainterPage.h"

#include <QFontMetricsF>
#include <QPaintDevice>

namespace {
constexpr double millimetresPerInch = 25.4;
constexpr double twipsPerInch = 1440;
}

double PainterPage::toX(double value) const
{
    return value * dpiX() / (unit_ == Unit::Twips ? twipsPerInch : millimetresPerInch);
}

double PainterPage::toY(double value) const
{
    return value * dpiY() / (unit_ == Unit::Twips ? twipsPerInch : millimetresPerInch);
}

void PainterPage::preparePainter(QPainter& painter) const
{
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setBrush(Qt::NoBrush);
}

void PainterPage::setFont(const QString& name, double pointSize, bool bold)
{
    fontName_ = name;
    pointSize_ = pointSize;
    bold_ = bold;
}

void PainterPage::setPosition(double x, double y)
{
    x_ = x;
    y_ = y;
}

void PainterPage::printText(const QString& text)
{
    QPainter* p = painter();
    if (!p || pointSize_ <= 0)
        return;
    // QPainter turns points into pixels with the device's logical resolution;
    // scale so that the text has its size at the page's real resolution.
    const double logicalDpi = p->device()->logicalDpiY();
    QFont font(fontName_);
    font.setPointSizeF(logicalDpi > 0 ? pointSize_ * dpiY() / logicalDpi : pointSize_);
    font.setBold(bold_);
    p->setFont(font);
    p->setPen(textColor_);
    const QFontMetricsF metrics(font, p->device());
    p->drawText(QPointF(toX(x_), toY(y_) + metrics.ascent()), text);
}

void PainterPage::drawLine(double x1, double y1, double x2, double y2, const QColor& color)
{
    QPainter* p = painter();
    if (!p)
        return;
    p->setPen(QPen(color, 0));  // width 0: the thinnest line the device draws
    p->drawLine(QPointF(toX(x1), toY(y1)), QPointF(toX(x2), toY(y2)));
}

void PainterPage::drawRectangle(double x1, double y1, double x2, double y2, const QColor& color)
{
    QPainter* p = painter();
    if (!p)
        return;
    p->setPen(QPen(color, 0));
    p->setBrush(Qt::NoBrush);
    p->drawRect(QRectF(QPointF(toX(x1), toY(y1)), QPointF(toX(x2), toY(y2))).normalized());
}

void PainterPage::drawPicture(const QImage& image, double x, double y, double width, double height)
{
    if (image.isNull())
        return;
    QPainter* p = painter();
    if (!p)
        return;
    p->drawImage(QRectF(toX(x), toY(y), toX(width), toY(height)), image);
}

void PainterPage::setTransparentTextBackground()
{
    // Text is always drawn without a background box, so nothing changes here.
    if (QPainter* p = painter())
        p->setBackgroundMode(Qt::TransparentMode);
}
