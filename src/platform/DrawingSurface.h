#pragma once
// A picture area with the classic picture-box semantics: a base picture, and a
// persistent current image (the base picture plus everything drawn since),
// drawn on with the drawing state it carries. Shapes are pixel-exact, without
// antialiasing, and clipped at the edges (see PixelRaster.h). Coordinates are
// pixels; colours are 0x00BBGGRR values (see Colors.h).
//
// Two kinds exist: a PictureSurface is one picture, a CardSurface also keeps a
// print copy at a higher resolution. Every public operation here changes all
// the copies a surface keeps, so no caller can change one and forget another;
// code that only draws takes a DrawingSurface and never sees the print copy.
#include "platform/DrawingState.h"

#include <QFont>
#include <QImage>
#include <QObject>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QString>
#include <functional>
#include <vector>

class QPainter;
namespace PixelRaster {
class Mask;
}

class DrawingSurface : public QObject, public DrawingState {
    Q_OBJECT
public:
    // The card's size in pixels, also the size a surface gets by default.
    static constexpr int CardWidth = 515;
    static constexpr int CardHeight = 365;

    int width() const { return current_.width(); }
    int height() const { return current_.height(); }

    // The picture last assigned as a whole (white when empty).
    const QImage& basePicture() const { return base_; }
    // Replaces base picture and current image by `picture`, placed at the
    // top-left on the background colour; a null image gives a plain surface
    // in that colour. A print copy becomes a plain enlargement of it.
    void assignBasePicture(const QImage& picture);
    // The same with the print copy given as well (an undo copy of both, or a
    // picture drawn at the print copy's resolution); a `print` of the wrong
    // size gives a plain enlargement of `picture`, and a surface without a
    // print copy ignores it.
    void assignBasePictures(const QImage& picture, const QImage& print) { assignBase(picture, print); }
    void clear() { assignBasePicture(QImage()); }

    // The current image, 32-bit (B, G, R, fourth byte in memory), what is shown.
    const QImage& image() const { return current_; }
    // The print copy, or a null image on a surface without one.
    virtual bool hasPrintCopy() const { return !printImage().isNull(); }
    virtual const QImage& printImage() const;
    // Writes the results of a whole-image operation on every copy at once, so
    // the copies never disagree; `print` is ignored on a surface without a
    // print copy.
    virtual void setImages(const QImage& screen, const QImage& print);
    // Tells views that the current image changed, and where: the rectangle of
    // screen pixels written since the last refresh (empty when none was).
    void refresh();

    // Line from (x1,y1) to (x2,y2), both end points included, `lineWidth` wide
    // with round ends.
    void line(double x1, double y1, double x2, double y2, std::uint32_t color);
    // Rectangle outline in `color` covering both corner pixels; interior by
    // fill style and fill colour.
    void box(double x1, double y1, double x2, double y2, std::uint32_t color);
    // Rectangle filled (edge included) in `color`.
    void filledBox(double x1, double y1, double x2, double y2, std::uint32_t color);
    // Ellipse around (cx,cy): aspect <= 1 makes `radius` the horizontal
    // semi-axis and radius * aspect the vertical one; aspect > 1 makes `radius`
    // the vertical semi-axis and radius / aspect the horizontal one.
    void ellipse(double cx, double cy, double radius, std::uint32_t color, double aspect = 1.0);
    void setPixel(double x, double y, std::uint32_t color);
    // 0x00BBGGRR of the pixel, or -1 outside the surface.
    qint64 point(double x, double y) const;
    // Paints the whole picture stretched into the destination rectangle (plain copy).
    void paintPicture(const QImage& picture, double x, double y, double width, double height);
    // Paints a decoded photo into `frame` (screen pixels) on every copy. Each
    // copy is resampled smoothly from `source` at its own resolution, so the
    // print copy keeps the detail of a source larger than the screen frame.
    void paintPhoto(const QImage& source, const QRectF& frame);
    // The same for the part `part` (the photo's pixels, fractions allowed) of
    // `source`, stretched into `frame`; only inside `clip` (card pixels) when given.
    void paintPhotoPart(const QImage& source, const QRectF& part, const QRectF& frame, const QRect& clip = QRect());
    // Sets the pixels of `runs` to `color` on the screen picture and their
    // blocks on the print copy (the result of a region found on the screen).
    struct PixelRun { int y, left, right; };
    void paintRuns(const std::vector<PixelRun>& runs, std::uint32_t color);
    // Draws `text` with `font` in `color`, turned `degrees` counter-clockwise
    // around `origin`, where the top-left of its first line lies; on the print
    // copy the same layout at its larger size, antialiased.
    void drawText(const QFont& font, QPointF origin, double degrees, const QString& text, std::uint32_t color);
    // Prints text with its top-left corner at (currentX, currentY), transparent
    // background, then moves the text position to the start of the next line.
    void printText(const QString& text);
    double textWidth(const QString& text) const;
    double textHeight(const QString& text = QStringLiteral("Ag")) const;

Q_SIGNALS:
    void changed();
    void areaChanged(const QRect& area);

protected:
    DrawingSurface(int width, int height, QObject* parent);

    // The screen copy, for the whole-image writes of a surface with two copies.
    QImage& screenBase() { return base_; }
    QImage& screenImage() { return current_; }
    // Replaces both screen pictures by `picture` on the background colour,
    // then hands the result to placePrintBase, then tells views.
    void assignBase(const QImage& picture, const QImage& print);

    // A plain `background` picture at 96 dots per inch, 32-bit.
    static QImage blankImage(int width, int height, std::uint32_t background);
    // A picture without transparency: transparent parts become white, as on a card.
    static QImage opaque(const QImage& picture);

    // The print copy's current image that every shape is also drawn on, with
    // its pixels per screen pixel each way; none on a plain picture.
    virtual QImage* printTarget() { return nullptr; }
    virtual int printScale() const { return 1; }
    // Sets the print copy's base picture and current image after the screen's
    // were replaced by `screen` (`print` as given to assignBase).
    virtual void placePrintBase(const QImage& /*screen*/, const QImage& /*print*/) {}
    // Records that the pixels of `area` (screen pixels) changed on some copy.
    void markChanged(const QRect& area) { changed_ |= area & current_.rect(); }
    void markAllChanged() { changed_ = current_.rect(); }

private:
    using Mask = PixelRaster::Mask;
    void apply(const Mask& mask, std::uint32_t color);
    void applyOnScreen(const Mask& mask, std::uint32_t color);
    void applyOnPrintBlocks(const Mask& mask, std::uint32_t color);
    void applyPattern(const Mask& mask, std::uint32_t color, int style);
    // Draws on the print copy through a painter in screen coordinates
    // (scaled to the print copy), antialiased; nothing without a print copy.
    void paintPrint(const std::function<void(QPainter&)>& draw);

    QImage base_;
    QImage current_;
    QRect changed_;
};
