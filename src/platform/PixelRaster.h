#pragma once
// The pixel-exact rasteriser: which pixels a line, a box, an ellipse or a
// hatch pattern covers, without antialiasing and clipped at the picture's
// edges, and writing such a set of pixels onto a picture or, block by block,
// onto an enlarged copy of it. It knows nothing of surfaces or drawing state.
#include <QImage>
#include <QPoint>
#include <QSize>
#include <cstdint>
#include <vector>

namespace PixelRaster {

// A coordinate as the pixel that covers it; absurd values are held in range,
// so that they cannot make a shape loop for long.
int toPixel(double v);
// A finite coordinate held in the same range (0 for NaN and infinities).
double sane(double v);

// The set of pixels one drawing operation touches, kept over the part of the
// picture it can reach, so that every pixel is written (or inverted) once.
// While few, the pixels are also listed as they are first set, so that writing
// a thin shape (a long line) costs what it touches, not the area it spans.
class Mask {
public:
    // The rectangle from (left, top) to (right, bottom), inclusive, clipped to `area`.
    Mask(QSize area, int left, int top, int right, int bottom);
    bool empty() const { return right_ < left_ || bottom_ < top_; }
    bool contains(int x, int y) const { return x >= left_ && x <= right_ && y >= top_ && y <= bottom_; }
    void set(int x, int y);
    // Every pixel of the mask's rectangle.
    void setAll();
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

// A shape with an outline and an inside, kept apart so that each gets its own colour.
struct Outlined {
    Mask interior;
    Mask outline;
};

// The centre of a round pen `width` pixels across, relative to the pixel it is on.
double penCentre(int width);
// The line from a to b, both end points included, drawn with a round pen
// `width` pixels across.
Mask line(QSize area, QPoint a, QPoint b, int width);
// The rectangle between two corner pixels: an outline `width` pixels wide
// (growing outward by (width - 1) / 2) and the inside it leaves.
Outlined box(QSize area, QPoint a, QPoint b, int width);
// The rectangle between two corner pixels, grown outward by (width - 1) / 2.
Mask filledBox(QSize area, QPoint a, QPoint b, int width);
// The ellipse around (cx, cy) with semi-axes a and b (at least half a pixel
// each): an outline band `width` pixels wide around the ellipse, and the
// inside it leaves. An axis below one pixel keeps the centre row or column.
Outlined ellipse(QSize area, double cx, double cy, double a, double b, int width);
// The pixels of `mask` that the hatch pattern `style` (a fill style from
// HorizontalLine to DiagonalCross, 8 pixels apart) covers.
Mask hatch(const Mask& mask, int style);

// Sets every pixel of `mask` on the 32-bit `image` to `pixel`, or inverts it.
void write(QImage& image, const Mask& mask, unsigned int pixel, bool invert);
// The same on a copy `scale` times as large each way: each pixel of the mask
// becomes its whole block.
void writeBlocks(QImage& image, const Mask& mask, unsigned int pixel, bool invert, int scale);

}
