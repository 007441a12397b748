#pragma once
// The card: the surface the user designs on, shown by the main window, saved,
// printed, filtered and recorded in the undo history. It keeps two copies of
// every picture it holds: the screen copy (image(), what is shown) and the
// print copy (printImage(), PrintScale times the size each way, what is
// printed). Every drawing operation and every whole-image write reaches both;
// nothing outside this class can write one copy alone.
#include "platform/CardSnapshot.h"
#include "platform/DrawingSurface.h"

#include <QRect>
#include <vector>

class CardSurface : public DrawingSurface {
public:
    // The print copy has this many pixels for every screen pixel, each way.
    static constexpr int PrintScale = 4;

    explicit CardSurface(int width = CardWidth, int height = CardHeight, QObject* parent = nullptr);

    // The print copy, following every change to image().
    const QImage& printImage() const override { return printCurrent_; }
    bool hasPrintCopy() const override { return !screenOnly_; }
    const QImage& printBasePicture() const { return printBase_; }
    // Writes the results of a whole-image operation on both copies at once;
    // a `print` of the wrong size gives a plain enlargement of `screen`, so
    // the print copy is never lost.
    void setImages(const QImage& screen, const QImage& print) override;

    // A photo in a frame: the part `part` of `source` (its pixels) stretched into `frame` (card pixels).
    struct PlacedPicture {
        QImage source;
        QRectF part;
        QRectF frame;
    };
    // Paints the photos in order on both copies, each resampled from its
    // source at the copy's own resolution; only inside `clip` when given.
    void paintPhotos(const std::vector<PlacedPicture>& photos, const QRect& clip = QRect());

    // In screen-only mode every drawing reaches the screen copy alone, as on a
    // plain picture (hasPrintCopy() is false; printImage() keeps the print
    // copy as it was): a preview that follows the mouse is redrawn quickly,
    // and the print copy is made again afterwards.
    void setScreenOnly(bool on) { screenOnly_ = on; }
    bool screenOnly() const { return screenOnly_; }

    // Undo support (CardSnapshot.cpp). A whole-card snapshot shares the
    // card's pixels until either changes, so taking one costs nothing.
    CardSnapshot snapshot() const;
    // The screen rectangle outside which the card still equals the
    // whole-card snapshot `earlier` (empty when nothing changed).
    QRect changedSince(const CardSnapshot& earlier) const;
    // Writes a snapshot's pixels back in place, in every picture it holds.
    void restore(const CardSnapshot& part);

protected:
    QImage* printTarget() override { return screenOnly_ ? nullptr : &printCurrent_; }
    int printScale() const override { return PrintScale; }
    void placePrintBase(const QImage& screen, const QImage& print) override;

private:
    QImage printBase_;
    QImage printCurrent_;
    bool screenOnly_ = false;
};
