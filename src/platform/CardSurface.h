#pragma once
// A picture area with the classic picture-box semantics: a base picture, and a
// persistent current image (the base picture plus everything drawn since).
// Shapes are pixel-exact, without antialiasing, and clipped at the edges.
// Coordinates are pixels; colours are 0x00BBGGRR values (see Colors.h).
#include "platform/Colors.h"

#include <QFont>
#include <QImage>
#include <QObject>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QString>
#include <vector>

class CardSurface : public QObject {
    Q_OBJECT
public:
    enum class DrawMode { Copy, Invert };
    enum FillStyle { Solid = 0, Transparent = 1, HorizontalLine = 2, VerticalLine = 3,
                     UpwardDiagonal = 4, DownwardDiagonal = 5, Cross = 6, DiagonalCross = 7 };

    static constexpr int CardWidth = 515;
    static constexpr int CardHeight = 365;
    // The print copy has this many pixels for every screen pixel, each way.
    static constexpr int PrintScale = 4;
    enum class PrintCopy { Without, With };

    explicit CardSurface(int width = CardWidth, int height = CardHeight, QObject* parent = nullptr,
                         PrintCopy printCopy = PrintCopy::Without);

    int width() const { return current_.width(); }
    int height() const { return current_.height(); }

    // The picture last assigned as a whole (white when empty).
    const QImage& basePicture() const { return base_; }
    // Replaces base picture and current image by `picture`, placed at the
    // top-left on the background colour; a null image gives a plain white card.
    void assignBasePicture(const QImage& picture);
    // The same with the print copy given as well (an undo copy of both); a
    // null `print` gives a plain enlargement of `picture`.
    void assignBasePictures(const QImage& picture, const QImage& print);
    void clear() { assignBasePicture(QImage()); }

    // The current image, 32-bit (B, G, R, fourth byte in memory), what is shown.
    const QImage& image() const { return current_; }
    // Direct access for whole-image operations; call refresh() when done.
    QImage& mutableImage() { return current_; }

    // The print copy: PrintScale times the size of image(), following every
    // change to it. Null on a surface made without one.
    bool hasPrintCopy() const { return !printCurrent_.isNull(); }
    const QImage& printImage() const { return printCurrent_; }
    const QImage& printBasePicture() const { return printBase_; }
    // Writes the results of a whole-image operation on both copies at once, so
    // the two never disagree; `print` is ignored on a surface without a print copy.
    void setImages(const QImage& screen, const QImage& print);
    // Tells views that the current image changed.
    void refresh() { Q_EMIT changed(); }

    // Drawing state.
    QString fontName = QStringLiteral("Arial");
    double fontSize = 8.25; // points, at 96 dots per inch
    bool fontBold = false;
    bool fontItalic = false;
    bool fontUnderline = false;
    std::uint32_t foreColor = 0;          // text colour and default line colour
    std::uint32_t fillColor = 0;
    int fillStyle = Transparent;
    int lineWidth = 1;
    DrawMode drawMode = DrawMode::Copy;
    double currentX = 0;                  // where the next printed text starts
    double currentY = 0;
    std::uint32_t backColor = RGB(255, 255, 255);

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
    // Paints a decoded photo into `frame` (screen pixels) on both copies. Each
    // copy is resampled smoothly from `source` at its own resolution, so the
    // print copy keeps the detail of a source larger than the screen frame.
    void paintPhoto(const QImage& source, const QRectF& frame);
    // Sets the pixels of `runs` to `color` on the screen picture and their
    // blocks on the print copy (the result of a region found on the screen).
    struct PixelRun { int y, left, right; };
    void paintRuns(const std::vector<PixelRun>& runs, std::uint32_t color);
    // Draws `text` with `font` in `color`, turned `degrees` counter-clockwise
    // around `origin`, where the top-left of its first line lies; on the print
    // copy the same layout at PrintScale times the size, antialiased.
    void drawText(const QFont& font, QPointF origin, double degrees, const QString& text, std::uint32_t color);
    // Prints text with its top-left corner at (currentX, currentY), transparent
    // background, then moves the text position to the start of the next line.
    void printText(const QString& text);
    // The font of the drawing state, in points at 96 dpi.
    QFont font() const;
    double textWidth(const QString& text) const;
    double textHeight(const QString& text = QStringLiteral("Ag")) const;

    // Undo support: the current image and the base picture of both copies.
    // A whole-card snapshot shares the surface's pixels until either changes,
    // so taking one costs nothing; a part keeps only a screen rectangle (the
    // print copies keep the matching PrintScale-times larger rectangle).
    struct Snapshot {
        QRect rect; // screen pixels
        QImage image, basePicture, printImage, printBasePicture;
        // The part of a whole-card snapshot inside a screen rectangle.
        Snapshot part(const QRect& screen) const;
        qint64 bytes() const;
    };
    Snapshot snapshot() const;
    // The screen rectangle outside which the surface still equals the
    // whole-card snapshot `earlier` (empty when nothing changed).
    QRect changedSince(const Snapshot& earlier) const;
    // Writes a snapshot's pixels back in place, in every copy it holds.
    void restore(const Snapshot& part);

Q_SIGNALS:
    void changed();

private:
    class Mask;
    void apply(const Mask& mask, std::uint32_t color);
    void applyOnScreen(const Mask& mask, std::uint32_t color);
    void applyOnPrintBlocks(const Mask& mask, std::uint32_t color);
    void applyPattern(const Mask& mask, std::uint32_t color, int style);
    // Draws on the print copy through a painter in screen coordinates
    // (scaled by PrintScale), antialiased; nothing without a print copy.
    template <typename Draw>
    void paintPrint(Draw draw);

    QImage base_;
    QImage current_;
    QImage printBase_;    // null without a print copy
    QImage printCurrent_;
};
