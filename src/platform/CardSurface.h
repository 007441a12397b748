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
#include <utility>
#include <vector>

class CardSurface : public DrawingSurface {
public:
    // The print copy has this many pixels for every screen pixel, each way.
    static constexpr int PrintScale = 4;

    explicit CardSurface(int width = CardWidth, int height = CardHeight, QObject* parent = nullptr);

    // The print copy, following every change to image().
    const QImage& printImage() const override { return printCurrent_; }
    const QImage& printBasePicture() const { return printBase_; }
    // assignBasePicture() with the print copy given as well (an undo copy of
    // both); a `print` of the wrong size gives a plain enlargement of `picture`.
    void assignBasePictures(const QImage& picture, const QImage& print);
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

    // A photo moved in its frame. While the pointer moves, show() puts it on
    // the screen copy alone, from a copy of the photo at screen size, with the
    // photos painted over it put back on top as they were. commit() then paints
    // the frame from the sources on both copies. Dropped without a commit, the
    // screen copy is put back as it was, so the two copies never disagree.
    class PhotoPreview {
    public:
        // `photos`: the moved photo first, then the photos over its frame, in
        // the order of painting; `screenSized`: the moved photo's whole
        // source, scaled so that its part shown fits the frame pixel for pixel.
        PhotoPreview(CardSurface& card, std::vector<PlacedPicture> photos, QImage screenSized);
        ~PhotoPreview();
        PhotoPreview(const PhotoPreview&) = delete;
        PhotoPreview& operator=(const PhotoPreview&) = delete;
        // The frame shows `screenSized` from `topLeft` (its pixels) on.
        void show(QPoint topLeft);
        // The moved photo now shows `part` of its source; both copies are painted.
        void commit(const QRectF& part);

    private:
        CardSurface& card_;
        std::vector<PlacedPicture> photos_;
        QImage screenSized_;
        QRect frame_;                 // the moved photo's frame on the card
        QImage before_;               // the screen copy there, as it was
        std::vector<std::pair<QRect, QImage>> above_; // the screen pixels of the photos over it
        bool committed_ = false;
    };

    // Undo support (CardSnapshot.cpp). A whole-card snapshot shares the
    // card's pixels until either changes, so taking one costs nothing.
    CardSnapshot snapshot() const;
    // The screen rectangle outside which the card still equals the
    // whole-card snapshot `earlier` (empty when nothing changed).
    QRect changedSince(const CardSnapshot& earlier) const;
    // Writes a snapshot's pixels back in place, in every picture it holds.
    void restore(const CardSnapshot& part);

protected:
    QImage* printTarget() override { return &printCurrent_; }
    int printScale() const override { return PrintScale; }
    void placePrintBase(const QImage& screen, const QImage& print) override;

private:
    QImage printBase_;
    QImage printCurrent_;
};
