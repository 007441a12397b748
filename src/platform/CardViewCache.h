#pragma once
// The picture a card view shows: a surface resampled to the view's device
// pixels, kept between paints and rebuilt only where the surface changed.
// With s device pixels per card pixel:
//   s = 1       the screen picture, pixel for pixel;
//   1 < s < 4   the print copy, reduced by area averaging;
//   s = 4       the print copy, pixel for pixel;
//   s > 4       the print copy, enlarged without smoothing.
// A surface without a print copy has its screen picture enlarged without smoothing.
#include <QImage>
#include <QRect>

class DrawingSurface;

class CardViewCache {
public:
    // Resamples the whole of `surface` at `scale` device pixels per card pixel.
    void rebuild(const DrawingSurface& surface, double scale);
    // Resamples again the device pixels that show `cardArea` (card pixels).
    void update(const DrawingSurface& surface, const QRect& cardArea);

    const QImage& image() const { return image_; }
    double scale() const { return scale_; }
    // Whether the picture was built for `surface`'s size at `scale`.
    bool fits(const DrawingSurface& surface, double scale) const;
    // The device pixels whose colour depends on `cardArea`.
    QRect deviceArea(const QRect& cardArea) const;

private:
    void render(const DrawingSurface& surface, const QRect& device);

    QImage image_;
    QSize cardSize_;
    double scale_ = 0;
};
