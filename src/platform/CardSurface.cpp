#include "platform/CardSurface.h"

#include "platform/Rounding.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int DotsPerMeterAt96Dpi = 3780;
constexpr double CoordinateLimit = 100000.0; // keeps absurd input from looping for long

int toPixel(double v)
{
    if (std::isnan(v))
        return 0;
    return int(roundHalfEven(std::clamp(v, -CoordinateLimit, CoordinateLimit)));
}

double sane(double v)
{
    return std::isfinite(v) ? std::clamp(v, -CoordinateLimit, CoordinateLimit) : 0.0;
}

QImage blankImage(int width, int height, std::uint32_t background)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(DotsPerMeterAt96Dpi);
    image.setDotsPerMeterY(DotsPerMeterAt96Dpi);
    image.fill(pixelFromValue(background));
    return image;
}

// A picture without transparency: transparent parts become white, as on a card.
QImage opaque(const QImage& picture)
{
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB32);
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter p(&flat);
    p.drawImage(0, 0, picture);
    return flat;
}

bool inHatch(int style, int x, int y)
{
    const auto m8 = [](int v) { return ((v % 8) + 8) % 8; };
    switch (style) {
    case CardSurface::HorizontalLine: return m8(y) == 0;
    case CardSurface::VerticalLine: return m8(x) == 0;
    case CardSurface::UpwardDiagonal: return m8(x + y) == 0;
    case CardSurface::DownwardDiagonal: return m8(x - y) == 0;
    case CardSurface::Cross: return m8(x) == 0 || m8(y) == 0;
    case CardSurface::DiagonalCross: return m8(x + y) == 0 || m8(x - y) == 0;
    }
    return false;
}

}

// The set of pixels one drawing operation touches, kept over the part of the
// surface it can reach, so that every pixel is written (or inverted) once.
// While few, the pixels are also listed as they are first set, so that applying
// a thin shape (a long line) costs what it touches, not the area it spans.
class CardSurface::Mask {
public:
    Mask(const QImage& image, int left, int top, int right, int bottom)
        : left_(std::max(left, 0)), top_(std::max(top, 0)),
          right_(std::min(right, image.width() - 1)), bottom_(std::min(bottom, image.height() - 1))
    {
        if (!empty()) {
            bits_.assign(std::size_t(right_ - left_ + 1) * std::size_t(bottom_ - top_ + 1), 0);
            listLimit_ = bits_.size() / 8;
        }
    }
    bool empty() const { return right_ < left_ || bottom_ < top_; }
    bool contains(int x, int y) const { return x >= left_ && x <= right_ && y >= top_ && y <= bottom_; }
    void set(int x, int y)
    {
        if (!contains(x, y))
            return;
        unsigned char& bit = bits_[index(x, y)];
        if (bit)
            return;
        bit = 1;
        if (points_.size() < listLimit_)
            points_.push_back({x, y});
        else
            dense_ = true;
    }
    // Calls visit(x, y) once for every pixel in the mask.
    template <typename Visit>
    void forEach(Visit visit) const
    {
        if (!dense_) {
            for (const QPoint& point : points_)
                visit(point.x(), point.y());
            return;
        }
        for (int y = top_; y <= bottom_; ++y) {
            const unsigned char* row = bits_.data() + index(left_, y);
            for (int x = left_; x <= right_; ++x)
                if (row[x - left_])
                    visit(x, y);
        }
    }
    bool at(int x, int y) const { return contains(x, y) && bits_[index(x, y)]; }
    int left() const { return left_; }
    int top() const { return top_; }
    int right() const { return right_; }
    int bottom() const { return bottom_; }

private:
    std::size_t index(int x, int y) const { return std::size_t(y - top_) * std::size_t(right_ - left_ + 1) + std::size_t(x - left_); }
    int left_, top_, right_, bottom_;
    std::vector<unsigned char> bits_;
    std::vector<QPoint> points_;
    std::size_t listLimit_ = 0;
    bool dense_ = false;
};

CardSurface::CardSurface(int width, int height, QObject* parent, PrintCopy printCopy)
    : QObject(parent), base_(blankImage(width, height, RGB(255, 255, 255))), current_(base_)
{
    if (printCopy == PrintCopy::With) {
        printBase_ = blankImage(width * PrintScale, height * PrintScale, RGB(255, 255, 255));
        printCurrent_ = printBase_;
    }
}

void CardSurface::setImages(const QImage& screen, const QImage& print)
{
    current_ = screen;
    if (hasPrintCopy())
        printCurrent_ = print;
    refresh();
}

void CardSurface::assignBasePicture(const QImage& picture)
{
    assignBasePictures(picture, QImage());
}

void CardSurface::assignBasePictures(const QImage& picture, const QImage& print)
{
    QImage image = blankImage(current_.width(), current_.height(), backColor);
    if (!picture.isNull()) {
        QPainter p(&image);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, opaque(picture));
    }
    base_ = image;
    current_ = image;
    if (hasPrintCopy()) {
        const QSize printSize = image.size() * PrintScale;
        printBase_ = print.size() == printSize ? opaque(print) : image.scaled(printSize);
        printCurrent_ = printBase_;
    }
    refresh();
}

template <typename Draw>
void CardSurface::paintPrint(Draw draw)
{
    if (!hasPrintCopy())
        return;
    QPainter p(&printCurrent_);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    p.scale(PrintScale, PrintScale);
    draw(p);
}

void CardSurface::apply(const Mask& mask, std::uint32_t color)
{
    applyOnScreen(mask, color);
    applyOnPrintBlocks(mask, color);
}

void CardSurface::applyOnScreen(const Mask& mask, std::uint32_t color)
{
    const unsigned int pixel = pixelFromValue(color);
    const bool invert = drawMode == DrawMode::Invert;
    mask.forEach([&](int x, int y) {
        auto* row = reinterpret_cast<unsigned int*>(current_.scanLine(y));
        row[x] = invert ? (row[x] ^ 0x00FFFFFFu) : pixel;
    });
}

// Every screen pixel of the mask becomes its whole block on the print copy.
void CardSurface::applyOnPrintBlocks(const Mask& mask, std::uint32_t color)
{
    if (!hasPrintCopy() || mask.empty())
        return;
    const unsigned int pixel = pixelFromValue(color);
    const bool invert = drawMode == DrawMode::Invert;
    mask.forEach([&](int x, int y) {
        for (int dy = 0; dy < PrintScale; ++dy) {
            auto* row = reinterpret_cast<unsigned int*>(printCurrent_.scanLine(y * PrintScale + dy)) + x * PrintScale;
            for (int dx = 0; dx < PrintScale; ++dx)
                row[dx] = invert ? (row[dx] ^ 0x00FFFFFFu) : pixel;
        }
    });
}

void CardSurface::applyPattern(const Mask& mask, std::uint32_t color, int style)
{
    if (style == Transparent || mask.empty())
        return;
    if (style == Solid) {
        apply(mask, color);
        return;
    }
    Mask hatch(current_, mask.left(), mask.top(), mask.right(), mask.bottom());
    mask.forEach([&](int x, int y) {
        if (inHatch(style, x, y))
            hatch.set(x, y);
    });
    apply(hatch, color);
}

void CardSurface::line(double x1, double y1, double x2, double y2, std::uint32_t color)
{
    const int startX = toPixel(x1), startY = toPixel(y1);
    int ax = startX, ay = startY;
    const int bx = toPixel(x2), by = toPixel(y2);
    const int w = std::max(lineWidth, 1);
    const int lo = -(w - 1) / 2;
    const int hi = lo + w - 1;
    Mask mask(current_, std::min(ax, bx) + lo, std::min(ay, by) + lo, std::max(ax, bx) + hi, std::max(ay, by) + hi);
    if (mask.empty())
        return;

    // The round pen: a disc w pixels across.
    std::vector<std::pair<int, int>> pen;
    const double centre = (lo + hi) / 2.0;
    const double radius2 = (w / 2.0) * (w / 2.0) + 1e-9;
    for (int dy = lo; dy <= hi; ++dy)
        for (int dx = lo; dx <= hi; ++dx)
            if ((dx - centre) * (dx - centre) + (dy - centre) * (dy - centre) <= radius2)
                pen.emplace_back(dx, dy);

    const int dx = std::abs(bx - ax), sx = ax < bx ? 1 : -1;
    const int dy = -std::abs(by - ay), sy = ay < by ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        for (const auto& [px, py] : pen)
            mask.set(ax + px, ay + py);
        if (ax == bx && ay == by)
            break;
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            ax += sx;
        }
        if (e2 <= dx) {
            error += dx;
            ay += sy;
        }
    }
    // Straight strokes cover their blocks exactly; slanted ones are drawn on
    // the print copy with the pen four times as wide, through the block
    // centres, antialiased (inverted bands keep to blocks, so a second pass
    // removes them).
    if (startX == bx || startY == by || drawMode == DrawMode::Invert || !hasPrintCopy()) {
        apply(mask, color);
        return;
    }
    applyOnScreen(mask, color);
    // A one-pixel line has one pixel per step along its longer axis, which
    // is thinner than a pixel across the slant: the print pen follows that
    // (at 45 degrees a pen of a full pixel would carry 41% more ink).
    const double across = double(std::max(std::abs(bx - startX), std::abs(by - startY)))
        / std::hypot(double(bx - startX), double(by - startY));
    const double penWidth = w == 1 ? across : w;
    paintPrint([&](QPainter& p) {
        p.setPen(QPen(colorFromValue(color), penWidth, Qt::SolidLine, Qt::RoundCap));
        const double shift = 0.5 + centre;
        p.drawLine(QPointF(startX + shift, startY + shift), QPointF(bx + shift, by + shift));
    });
}

void CardSurface::box(double x1, double y1, double x2, double y2, std::uint32_t color)
{
    const int left = std::min(toPixel(x1), toPixel(x2)), right = std::max(toPixel(x1), toPixel(x2));
    const int top = std::min(toPixel(y1), toPixel(y2)), bottom = std::max(toPixel(y1), toPixel(y2));
    const int w = std::max(lineWidth, 1);
    const int outward = (w - 1) / 2;
    const int ol = left - outward, ot = top - outward, orr = right + outward, ob = bottom + outward;
    const int il = ol + w, it = ot + w, ir = orr - w, ib = ob - w; // interior, inclusive

    Mask interior(current_, il, it, ir, ib);
    for (int y = interior.top(); y <= interior.bottom(); ++y)
        for (int x = interior.left(); x <= interior.right(); ++x)
            interior.set(x, y);
    applyPattern(interior, fillColor, fillStyle);

    Mask outline(current_, ol, ot, orr, ob);
    for (int y = outline.top(); y <= outline.bottom(); ++y)
        for (int x = outline.left(); x <= outline.right(); ++x)
            if (x < il || x > ir || y < it || y > ib)
                outline.set(x, y);
    apply(outline, color);
}

void CardSurface::filledBox(double x1, double y1, double x2, double y2, std::uint32_t color)
{
    // A wider pen grows the box outward, as it grows the outline of box().
    const int outward = (std::max(lineWidth, 1) - 1) / 2;
    Mask mask(current_, std::min(toPixel(x1), toPixel(x2)) - outward, std::min(toPixel(y1), toPixel(y2)) - outward,
              std::max(toPixel(x1), toPixel(x2)) + outward, std::max(toPixel(y1), toPixel(y2)) + outward);
    for (int y = mask.top(); y <= mask.bottom(); ++y)
        for (int x = mask.left(); x <= mask.right(); ++x)
            mask.set(x, y);
    apply(mask, color);
}

void CardSurface::ellipse(double cx, double cy, double radius, std::uint32_t color, double aspect)
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

    // With `thin`, an axis below one pixel keeps the pixels within half a
    // pixel of the centre on that axis, so a flat ellipse still draws its
    // centre row (or column) instead of vanishing.
    const auto inside = [&](int x, int y, double ra, double rb, bool thin = false) {
        if (ra <= 0 || rb <= 0)
            return false;
        const auto normalised = [thin](double offset, double r, double& n) {
            if (thin && r < 1.0) {
                n = 0;
                return std::fabs(offset) <= 0.5 + 1e-9;
            }
            n = offset / std::max(r, 0.5);
            return true;
        };
        double nx = 0, ny = 0;
        if (!normalised(x - cx, ra, nx) || !normalised(y - cy, rb, ny))
            return false;
        return nx * nx + ny * ny <= 1.0 + 1e-9;
    };
    a = std::max(a, 0.5);
    b = std::max(b, 0.5);
    const double outerA = a + outward, outerB = b + outward;
    const double innerA = a - inward, innerB = b - inward;
    const auto inCore = [&](int x, int y) {
        return inside(x, y, innerA, innerB) && inside(x - 1, y, innerA, innerB) && inside(x + 1, y, innerA, innerB)
            && inside(x, y - 1, innerA, innerB) && inside(x, y + 1, innerA, innerB);
    };

    Mask outline(current_, int(std::floor(cx - outerA)) - 1, int(std::floor(cy - outerB)) - 1,
                 int(std::ceil(cx + outerA)) + 1, int(std::ceil(cy + outerB)) + 1);
    Mask interior(current_, outline.left(), outline.top(), outline.right(), outline.bottom());
    for (int y = outline.top(); y <= outline.bottom(); ++y) {
        for (int x = outline.left(); x <= outline.right(); ++x) {
            if (inCore(x, y))
                interior.set(x, y);
            else if (inside(x, y, outerA, outerB, true))
                outline.set(x, y);
        }
    }
    if (drawMode == DrawMode::Invert || !hasPrintCopy()) {
        applyPattern(interior, fillColor, fillStyle);
        apply(outline, color);
        return;
    }
    // The print copy: the same ellipse at four times the size, antialiased.
    // The outline band runs from a - inward - 1/2 to a + outward + 1/2 around
    // the pixel centres, as the screen pixels do.
    if (fillStyle == Solid)
        applyOnScreen(interior, fillColor);
    else
        applyPattern(interior, fillColor, fillStyle);
    applyOnScreen(outline, color);
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

void CardSurface::setPixel(double x, double y, std::uint32_t color)
{
    const int px = toPixel(x), py = toPixel(y);
    if (!current_.valid(px, py))
        return;
    Mask dot(current_, px, py, px, py);
    dot.set(px, py);
    apply(dot, color);
}

qint64 CardSurface::point(double x, double y) const
{
    const int px = toPixel(x), py = toPixel(y);
    if (!current_.valid(px, py))
        return -1;
    return valueFromPixel(current_.pixel(px, py));
}

void CardSurface::paintPicture(const QImage& picture, double x, double y, double width, double height)
{
    if (picture.isNull() || !(width > 0) || !(height > 0))
        return;
    const QRectF target(sane(x), sane(y), sane(width), sane(height));
    const QImage flat = opaque(picture);
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

namespace {

// Draws `source` into `target` on `image`. A source much larger than the
// target is first reduced smoothly to the target's size (averaging, not
// sampling); with `always` any other size is resampled that way as well, so
// an integral target gets exactly one smooth resampling.
void drawResampled(QImage& image, const QImage& source, const QRectF& target, bool always)
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
    p.drawImage(target, picture);
}

}

void CardSurface::paintPhoto(const QImage& source, const QRectF& frame)
{
    if (source.isNull() || !(frame.width() > 0) || !(frame.height() > 0))
        return;
    const QRectF target(sane(frame.x()), sane(frame.y()), sane(frame.width()), sane(frame.height()));
    const QImage flat = opaque(source);
    drawResampled(current_, flat, target, false);
    if (hasPrintCopy())
        drawResampled(printCurrent_, flat,
                      QRectF(target.topLeft() * PrintScale, target.size() * PrintScale), true);
}

void CardSurface::paintRuns(const std::vector<PixelRun>& runs, std::uint32_t color)
{
    const unsigned int pixel = pixelFromValue(color);
    const auto fillRow = [pixel](QImage& image, int y, int left, int right) {
        auto* row = reinterpret_cast<unsigned int*>(image.scanLine(y));
        std::fill(row + left, row + right + 1, pixel);
    };
    for (const PixelRun& run : runs) {
        const int left = std::max(run.left, 0), right = std::min(run.right, width() - 1);
        if (run.y < 0 || run.y >= height() || left > right)
            continue;
        fillRow(current_, run.y, left, right);
        if (hasPrintCopy())
            for (int dy = 0; dy < PrintScale; ++dy)
                fillRow(printCurrent_, run.y * PrintScale + dy, left * PrintScale, right * PrintScale + PrintScale - 1);
    }
}

void CardSurface::drawText(const QFont& font, QPointF origin, double degrees, const QString& text, std::uint32_t color)
{
    const double ascent = QFontMetricsF(font, &current_).ascent();
    origin = QPointF(sane(origin.x()), sane(origin.y()));
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
    // The glyphs at four times the size; an underline is a straight stroke,
    // so it takes exactly the blocks of the screen's underline (found by
    // drawing the text with and without it).
    QFont glyphs = font;
    glyphs.setUnderline(false);
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
    Mask underline(current_, 0, 0, current_.width() - 1, current_.height() - 1);
    for (int y = 0; y < with.height(); ++y) {
        const auto* a = reinterpret_cast<const unsigned int*>(with.constScanLine(y));
        const auto* b = reinterpret_cast<const unsigned int*>(without.constScanLine(y));
        for (int x = 0; x < with.width(); ++x)
            if (qAlpha(a[x]) > 127 && qAlpha(b[x]) == 0)
                underline.set(x, y);
    }
    applyOnPrintBlocks(underline, color);
}

QFont CardSurface::font() const
{
    QFont f(fontName);
    f.setPointSizeF(fontSize > 0 && std::isfinite(fontSize) ? std::min(fontSize, 2000.0) : 8.25);
    f.setBold(fontBold);
    f.setItalic(fontItalic);
    f.setUnderline(fontUnderline);
    return f;
}

double CardSurface::textWidth(const QString& text) const
{
    return QFontMetricsF(font(), &current_).horizontalAdvance(text);
}

double CardSurface::textHeight(const QString&) const
{
    return QFontMetricsF(font(), &current_).height();
}

void CardSurface::printText(const QString& text)
{
    const QFont f = font();
    drawText(f, QPointF(currentX, currentY), 0, text, foreColor);
    currentX = 0;
    currentY = sane(currentY) + QFontMetricsF(f, &current_).height();
}

#include <cstring>

namespace {

// The bounding box of the pixels where two pictures of one size differ; the
// whole picture when their sizes or formats differ.
QRect differingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.format() != b.format() || a.depth() % 8 != 0)
        return a.rect() | b.rect();
    if (a.constBits() == b.constBits())
        return QRect();
    const int bytesPerPixel = a.depth() / 8;
    const std::size_t rowBytes = std::size_t(a.width()) * std::size_t(bytesPerPixel);
    int top = -1, bottom = -1, left = a.width(), right = -1;
    for (int y = 0; y < a.height(); ++y) {
        const uchar* rowA = a.constScanLine(y);
        const uchar* rowB = b.constScanLine(y);
        if (std::memcmp(rowA, rowB, rowBytes) == 0)
            continue;
        if (top < 0)
            top = y;
        bottom = y;
        int x = 0;
        while (x < left && std::memcmp(rowA + x * bytesPerPixel, rowB + x * bytesPerPixel, std::size_t(bytesPerPixel)) == 0)
            ++x;
        left = std::min(left, x);
        x = a.width() - 1;
        while (x > right && std::memcmp(rowA + x * bytesPerPixel, rowB + x * bytesPerPixel, std::size_t(bytesPerPixel)) == 0)
            --x;
        right = std::max(right, x);
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// A print-copy rectangle as the screen pixels whose blocks it touches.
QRect screenBlocks(const QRect& print)
{
    if (print.isEmpty())
        return QRect();
    const int s = CardSurface::PrintScale;
    return QRect(QPoint(print.left() / s, print.top() / s), QPoint(print.right() / s, print.bottom() / s));
}

QRect printBlocks(const QRect& screen)
{
    const int s = CardSurface::PrintScale;
    return QRect(screen.topLeft() * s, screen.size() * s);
}

QImage partOf(const QImage& image, const QRect& rect)
{
    if (image.isNull())
        return QImage();
    return rect == image.rect() ? image : image.copy(rect);
}

// Writes `piece` into `target` with its top-left corner at `at`, unchanged.
void paste(QImage& target, const QImage& piece, QPoint at)
{
    if (piece.isNull() || target.isNull())
        return;
    if (at.isNull() && piece.size() == target.size() && piece.format() == target.format()) {
        target = piece;
        return;
    }
    QPainter p(&target);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(at, piece);
}

}

qint64 CardSurface::Snapshot::bytes() const
{
    return image.sizeInBytes() + basePicture.sizeInBytes() + printImage.sizeInBytes() + printBasePicture.sizeInBytes();
}

CardSurface::Snapshot CardSurface::snapshot() const
{
    return {current_.rect(), current_, base_, printCurrent_, printBase_};
}

CardSurface::Snapshot CardSurface::Snapshot::part(const QRect& screen) const
{
    const QRect r = screen & rect;
    if (r.isEmpty())
        return {};
    const QRect print = printBlocks(r);
    return {r, partOf(image, r), partOf(basePicture, r), partOf(printImage, print), partOf(printBasePicture, print)};
}

QRect CardSurface::changedSince(const Snapshot& earlier) const
{
    QRect changed = differingPixels(current_, earlier.image) | differingPixels(base_, earlier.basePicture);
    if (hasPrintCopy())
        changed |= screenBlocks(differingPixels(printCurrent_, earlier.printImage))
            | screenBlocks(differingPixels(printBase_, earlier.printBasePicture));
    return changed & current_.rect();
}

void CardSurface::restore(const Snapshot& part)
{
    if (part.rect.isEmpty())
        return;
    paste(current_, part.image, part.rect.topLeft());
    paste(base_, part.basePicture, part.rect.topLeft());
    if (hasPrintCopy()) {
        paste(printCurrent_, part.printImage, part.rect.topLeft() * PrintScale);
        paste(printBase_, part.printBasePicture, part.rect.topLeft() * PrintScale);
    }
    refresh();
}
