#include "platform/DrawingSurface.h"

#include "platform/PixelRaster.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <utility>

using PixelRaster::sane;
using PixelRaster::toPixel;

namespace {

constexpr int DotsPerMeterAt96Dpi = 3780;

QRect bounds(const PixelRaster::Mask& mask)
{
    return mask.empty() ? QRect() : QRect(QPoint(mask.left(), mask.top()), QPoint(mask.right(), mask.bottom()));
}

// What an antialiased stroke or a smoothly resampled picture may touch: its
// pixels and their neighbours.
QRect withFringe(const QRect& area)
{
    return area.isEmpty() ? QRect() : area.adjusted(-1, -1, 1, 1);
}

// Draws `source` into `target` on `image`. A source much larger than the
// target is first reduced smoothly to the target's size (averaging, not
// sampling); with `always` any other size is resampled that way as well, so
// an integral target gets exactly one smooth resampling.
void drawResampled(QImage& image, const QImage& source, const QRectF& target, bool always, const QRectF& clip = QRectF())
{
    const QSize whole(int(std::ceil(target.width())), int(std::ceil(target.height())));
    const bool tooLarge = whole.width() > 2 * image.width() || whole.height() > 2 * image.height();
    const bool reduce = source.width() > 2 * whole.width() || source.height() > 2 * whole.height();
    QImage picture = source;
    if (!tooLarge && whole != source.size() && (always || reduce))
        picture = source.scaled(whole, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter p(&image);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!clip.isEmpty())
        p.setClipRect(clip);
    p.drawImage(target, picture);
}

// The whole pixels of `source` around `part`, shared with it (no copy), and
// where they land when `part` is stretched into `frame`.
std::pair<QImage, QRectF> wholePixelsAround(const QImage& source, const QRectF& part, const QRectF& frame)
{
    const QRect pixels = QRect(QPoint(int(std::floor(part.left())), int(std::floor(part.top()))),
                               QPoint(int(std::ceil(part.right())) - 1, int(std::ceil(part.bottom())) - 1))
        & source.rect();
    const double sx = frame.width() / part.width(), sy = frame.height() / part.height();
    const QRectF target(frame.x() + (pixels.x() - part.x()) * sx, frame.y() + (pixels.y() - part.y()) * sy,
                        pixels.width() * sx, pixels.height() * sy);
    if (pixels == source.rect())
        return {source, target};
    if (source.depth() != 32)
        return {source.copy(pixels), target};
    const uchar* first = source.constBits() + qsizetype(pixels.y()) * source.bytesPerLine() + pixels.x() * 4;
    return {QImage(first, pixels.width(), pixels.height(), source.bytesPerLine(), source.format()), target};
}

}

QImage DrawingSurface::blankImage(int width, int height, std::uint32_t background)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(DotsPerMeterAt96Dpi);
    image.setDotsPerMeterY(DotsPerMeterAt96Dpi);
    image.fill(pixelFromValue(background));
    return image;
}

QImage DrawingSurface::opaque(const QImage& picture)
{
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB32);
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter p(&flat);
    p.drawImage(0, 0, picture);
    return flat;
}

DrawingSurface::DrawingSurface(int width, int height, QObject* parent)
    : QObject(parent), base_(blankImage(width, height, RGB(255, 255, 255))), current_(base_)
{
}

const QImage& DrawingSurface::printImage() const
{
    static const QImage none;
    return none;
}

void DrawingSurface::setImages(const QImage& screen, const QImage&)
{
    current_ = screen;
    markAllChanged();
    refresh();
}

void DrawingSurface::refresh()
{
    const QRect area = changed_;
    changed_ = QRect();
    Q_EMIT changed();
    Q_EMIT areaChanged(area);
}

void DrawingSurface::assignBasePicture(const QImage& picture)
{
    assignBase(picture, QImage());
}

void DrawingSurface::assignBase(const QImage& picture, const QImage& print)
{
    QImage image = blankImage(current_.width(), current_.height(), backColor);
    if (!picture.isNull()) {
        QPainter p(&image);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, opaque(picture));
    }
    base_ = image;
    current_ = image;
    placePrintBase(image, print);
    markAllChanged();
    refresh();
}

void DrawingSurface::paintPrint(const std::function<void(QPainter&)>& draw)
{
    QImage* print = printTarget();
    if (!print)
        return;
    QPainter p(print);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    p.scale(printScale(), printScale());
    draw(p);
}

void DrawingSurface::apply(const Mask& mask, std::uint32_t color)
{
    markChanged(bounds(mask));
    applyOnScreen(mask, color);
    applyOnPrintBlocks(mask, color);
}

void DrawingSurface::applyOnScreen(const Mask& mask, std::uint32_t color)
{
    PixelRaster::write(current_, mask, pixelFromValue(color), drawMode == DrawMode::Invert);
}

// Every screen pixel of the mask becomes its whole block on the print copy.
void DrawingSurface::applyOnPrintBlocks(const Mask& mask, std::uint32_t color)
{
    if (QImage* print = printTarget())
        PixelRaster::writeBlocks(*print, mask, pixelFromValue(color), drawMode == DrawMode::Invert, printScale());
}

void DrawingSurface::applyPattern(const Mask& mask, std::uint32_t color, int style)
{
    if (style == Transparent || mask.empty())
        return;
    if (style == Solid) {
        apply(mask, color);
        return;
    }
    apply(PixelRaster::hatch(mask, style), color);
}

void DrawingSurface::line(double x1, double y1, double x2, double y2, std::uint32_t color)
{
    const int startX = toPixel(x1), startY = toPixel(y1);
    const int bx = toPixel(x2), by = toPixel(y2);
    const int w = std::max(lineWidth, 1);
    const Mask mask = PixelRaster::line(current_.size(), QPoint(startX, startY), QPoint(bx, by), w);
    if (mask.empty())
        return;
    // Straight strokes cover their blocks exactly; slanted ones are drawn on
    // the print copy with the pen as much wider as the copy is larger,
    // through the block centres, antialiased (inverted bands keep to blocks,
    // so a second pass removes them).
    if (startX == bx || startY == by || drawMode == DrawMode::Invert || !hasPrintCopy()) {
        apply(mask, color);
        return;
    }
    applyOnScreen(mask, color);
    markChanged(withFringe(bounds(mask)));
    // A one-pixel line has one pixel per step along its longer axis, which
    // is thinner than a pixel across the slant: the print pen follows that
    // (at 45 degrees a pen of a full pixel would carry 41% more ink).
    const double across = double(std::max(std::abs(bx - startX), std::abs(by - startY)))
        / std::hypot(double(bx - startX), double(by - startY));
    const double penWidth = w == 1 ? across : w;
    paintPrint([&](QPainter& p) {
        p.setPen(QPen(colorFromValue(color), penWidth, Qt::SolidLine, Qt::RoundCap));
        const double shift = 0.5 + PixelRaster::penCentre(w);
        p.drawLine(QPointF(startX + shift, startY + shift), QPointF(bx + shift, by + shift));
    });
}

void DrawingSurface::box(double x1, double y1, double x2, double y2, std::uint32_t color)
{
    const PixelRaster::Outlined shape = PixelRaster::box(current_.size(), QPoint(toPixel(x1), toPixel(y1)),
                                                         QPoint(toPixel(x2), toPixel(y2)), lineWidth);
    applyPattern(shape.interior, fillColor, fillStyle);
    apply(shape.outline, color);
}

void DrawingSurface::filledBox(double x1, double y1, double x2, double y2, std::uint32_t color)
{
    apply(PixelRaster::filledBox(current_.size(), QPoint(toPixel(x1), toPixel(y1)), QPoint(toPixel(x2), toPixel(y2)),
                                 lineWidth),
          color);
}

void DrawingSurface::ellipse(double cx, double cy, double radius, std::uint32_t color, double aspect)
{
    cx = sane(cx);
    cy = sane(cy);
    radius = std::fabs(sane(radius));
    aspect = std::isfinite(aspect) && aspect > 0 ? aspect : 1.0;
    double a = aspect > 1.0 ? radius / aspect : radius; // horizontal semi-axis
    double b = aspect > 1.0 ? radius : radius * aspect; // vertical semi-axis
    const int w = std::max(lineWidth, 1);
    const int outward = (w - 1) / 2;
    const int inward = w - 1 - outward;
    a = std::max(a, 0.5);
    b = std::max(b, 0.5);
    const PixelRaster::Outlined shape = PixelRaster::ellipse(current_.size(), cx, cy, a, b, w);
    if (drawMode == DrawMode::Invert || !hasPrintCopy()) {
        applyPattern(shape.interior, fillColor, fillStyle);
        apply(shape.outline, color);
        return;
    }
    // The print copy: the same ellipse at its larger size, antialiased.
    // The outline band runs from a - inward - 1/2 to a + outward + 1/2 around
    // the pixel centres, as the screen pixels do.
    if (fillStyle == Solid)
        applyOnScreen(shape.interior, fillColor);
    else
        applyPattern(shape.interior, fillColor, fillStyle);
    applyOnScreen(shape.outline, color);
    markChanged(withFringe(bounds(shape.outline) | bounds(shape.interior)));
    const QPointF centre(cx + 0.5, cy + 0.5);
    const double middleA = a + (outward - inward) / 2.0, middleB = b + (outward - inward) / 2.0;
    paintPrint([&](QPainter& p) {
        if (fillStyle == Solid) {
            p.setPen(Qt::NoPen);
            p.setBrush(colorFromValue(fillColor));
            p.drawEllipse(centre, middleA, middleB);
        }
        if (a - inward - 0.5 <= 0 || b - inward - 0.5 <= 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(colorFromValue(color));
            p.drawEllipse(centre, a + outward + 0.5, b + outward + 0.5);
        } else {
            p.setPen(QPen(colorFromValue(color), w));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(centre, middleA, middleB);
        }
    });
}

void DrawingSurface::setPixel(double x, double y, std::uint32_t color)
{
    const int px = toPixel(x), py = toPixel(y);
    if (!current_.valid(px, py))
        return;
    Mask dot(current_.size(), px, py, px, py);
    dot.set(px, py);
    apply(dot, color);
}

qint64 DrawingSurface::point(double x, double y) const
{
    const int px = toPixel(x), py = toPixel(y);
    if (!current_.valid(px, py))
        return -1;
    return valueFromPixel(current_.pixel(px, py));
}

void DrawingSurface::paintPicture(const QImage& picture, double x, double y, double width, double height)
{
    if (picture.isNull() || !(width > 0) || !(height > 0))
        return;
    const QRectF target(sane(x), sane(y), sane(width), sane(height));
    const QImage flat = opaque(picture);
    markChanged(withFringe(target.toAlignedRect()));
    {
        QPainter p(&current_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(target, flat);
    }
    paintPrint([&](QPainter& p) {
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(target, flat);
    });
}

void DrawingSurface::paintPhoto(const QImage& source, const QRectF& frame)
{
    paintPhotoPart(source, QRectF(source.rect()), frame);
}

void DrawingSurface::paintPhotoPart(const QImage& source, const QRectF& part, const QRectF& frame, const QRect& clip)
{
    if (source.isNull() || !(frame.width() > 0) || !(frame.height() > 0) || !(part.width() > 0) || !(part.height() > 0)
        || !QRectF(source.rect()).intersects(part))
        return;
    const QRectF placed(sane(frame.x()), sane(frame.y()), sane(frame.width()), sane(frame.height()));
    const QRectF inside = clip.isEmpty() ? placed : placed & QRectF(clip);
    if (inside.isEmpty())
        return;
    const QImage flat = opaque(source);
    const auto [pixels, target] = wholePixelsAround(flat, part, placed);
    // A part of whole pixels lands exactly on the frame; a fractional one reaches past it.
    const QRectF keep = target == placed && clip.isEmpty() ? QRectF() : inside;
    markChanged(withFringe(inside.toAlignedRect()));
    drawResampled(current_, pixels, target, false, keep);
    if (QImage* print = printTarget()) {
        const int s = printScale();
        const auto scaled = [s](const QRectF& r) { return QRectF(r.topLeft() * s, r.size() * s); };
        drawResampled(*print, pixels, scaled(target), true, scaled(keep));
    }
}

void DrawingSurface::paintRuns(const std::vector<PixelRun>& runs, std::uint32_t color)
{
    const unsigned int pixel = pixelFromValue(color);
    const auto fillRow = [pixel](QImage& image, int y, int left, int right) {
        auto* row = reinterpret_cast<unsigned int*>(image.scanLine(y));
        std::fill(row + left, row + right + 1, pixel);
    };
    QImage* print = printTarget();
    const int s = printScale();
    for (const PixelRun& run : runs) {
        const int left = std::max(run.left, 0), right = std::min(run.right, width() - 1);
        if (run.y < 0 || run.y >= height() || left > right)
            continue;
        fillRow(current_, run.y, left, right);
        markChanged(QRect(left, run.y, right - left + 1, 1));
        if (print)
            for (int dy = 0; dy < s; ++dy)
                fillRow(*print, run.y * s + dy, left * s, right * s + s - 1);
    }
}

void DrawingSurface::drawText(const QFont& font, QPointF origin, double degrees, const QString& text, std::uint32_t color)
{
    const double ascent = QFontMetricsF(font, &current_).ascent();
    origin = QPointF(sane(origin.x()), sane(origin.y()));
    // Glyphs may reach beyond their advance (italics, turned text): the whole picture.
    markAllChanged();
    const auto draw = [&](QPainter& p, const QFont& face) {
        p.setFont(face);
        p.setPen(colorFromValue(color));
        if (drawMode == DrawMode::Invert)
            p.setCompositionMode(QPainter::RasterOp_NotDestination);
        if (degrees == 0) {
            p.drawText(origin + QPointF(0, ascent), text);
            return;
        }
        p.translate(origin);
        p.rotate(-degrees);
        p.drawText(QPointF(0, ascent), text);
    };
    {
        QPainter p(&current_);
        draw(p, font);
    }
    if (!hasPrintCopy())
        return;
    // The glyphs at the print copy's size; an underline is a straight stroke,
    // so it takes exactly the blocks of the screen's underline (found by
    // drawing the text with and without it).
    QFont glyphs = font;
    glyphs.setUnderline(false);
    glyphs.setHintingPreference(QFont::PreferNoHinting);
    glyphs.setStyleStrategy(QFont::ForceOutline);
    paintPrint([&](QPainter& p) { draw(p, glyphs); });
    if (!font.underline())
        return;
    const auto alone = [&](const QFont& face) {
        QImage scratch(current_.size(), QImage::Format_ARGB32_Premultiplied);
        scratch.fill(Qt::transparent);
        QPainter p(&scratch);
        const DrawMode mode = drawMode;
        drawMode = DrawMode::Copy;
        draw(p, face);
        drawMode = mode;
        return scratch;
    };
    const QImage with = alone(font), without = alone(glyphs);
    Mask underline(current_.size(), 0, 0, current_.width() - 1, current_.height() - 1);
    for (int y = 0; y < with.height(); ++y) {
        const auto* a = reinterpret_cast<const unsigned int*>(with.constScanLine(y));
        const auto* b = reinterpret_cast<const unsigned int*>(without.constScanLine(y));
        for (int x = 0; x < with.width(); ++x)
            if (qAlpha(a[x]) > 127 && qAlpha(b[x]) == 0)
                underline.set(x, y);
    }
    applyOnPrintBlocks(underline, color);
}

double DrawingSurface::textWidth(const QString& text) const
{
    return QFontMetricsF(font(), &current_).horizontalAdvance(text);
}

double DrawingSurface::textHeight(const QString&) const
{
    return QFontMetricsF(font(), &current_).height();
}

void DrawingSurface::printText(const QString& text)
{
    const QFont f = font();
    drawText(f, QPointF(currentX, currentY), 0, text, foreColor);
    currentX = 0;
    currentY = sane(currentY) + QFontMetricsF(f, &current_).height();
}
