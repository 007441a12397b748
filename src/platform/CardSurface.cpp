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
    QImage image = blankImage(current_.width(), current_.height(), backColor);
    if (!picture.isNull()) {
        QPainter p(&image);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, opaque(picture));
    }
    base_ = image;
    current_ = image;
    if (hasPrintCopy()) {
        printBase_ = image.scaled(image.size() * PrintScale);
        printCurrent_ = printBase_;
    }
    refresh();
}

void CardSurface::apply(const Mask& mask, std::uint32_t color)
{
    const unsigned int pixel = pixelFromValue(color);
    const bool invert = drawMode == DrawMode::Invert;
    mask.forEach([&](int x, int y) {
        auto* row = reinterpret_cast<unsigned int*>(current_.scanLine(y));
        row[x] = invert ? (row[x] ^ 0x00FFFFFFu) : pixel;
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
    int ax = toPixel(x1), ay = toPixel(y1);
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
    apply(mask, color);
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
    applyPattern(interior, fillColor, fillStyle);
    apply(outline, color);
}

void CardSurface::setPixel(double x, double y, std::uint32_t color)
{
    const int px = toPixel(x), py = toPixel(y);
    if (!current_.valid(px, py))
        return;
    auto* row = reinterpret_cast<unsigned int*>(current_.scanLine(py));
    row[px] = drawMode == DrawMode::Invert ? (row[px] ^ 0x00FFFFFFu) : pixelFromValue(color);
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
    QPainter p(&current_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(sane(x), sane(y), sane(width), sane(height)), opaque(picture));
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
    const QFontMetricsF metrics(f, &current_);
    {
        QPainter p(&current_);
        p.setFont(f);
        p.setPen(colorFromValue(foreColor));
        if (drawMode == DrawMode::Invert)
            p.setCompositionMode(QPainter::RasterOp_NotDestination);
        p.drawText(QPointF(sane(currentX), sane(currentY) + metrics.ascent()), text);
    }
    currentX = 0;
    currentY = sane(currentY) + metrics.height();
}
