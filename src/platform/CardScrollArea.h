#pragma once
// The card's panel: a view (PictureBox) in a frameless, dark scroll area,
// centred while smaller than the panel. It keeps the zoom choice (a percent,
// or CardZoom::Fit to follow the panel's size), zooms with Ctrl+wheel around
// the pointer, scrolls with the wheel and sideways with Shift+wheel.
#include <QScrollArea>

class PictureBox;

class CardScrollArea : public QScrollArea {
    Q_OBJECT
public:
    explicit CardScrollArea(PictureBox* view, QWidget* parent = nullptr);
    PictureBox* view() const { return view_; }

    // CardZoom::Fit or a zoom in percent (brought into the zoom's range).
    int zoomChoice() const { return choice_; }
    void setZoomChoice(int choice);
    // The next step up or down from the zoom shown, around the panel's centre.
    void zoomIn();
    void zoomOut();
    // Shows `percent`, keeping the card point under `viewportPosition` where it is.
    void zoomAround(int percent, QPointF viewportPosition);
    // The zoom at which the whole card fits the panel.
    int fittingZoom() const;
    // Lays the panel out for its size at once: a hidden widget gets its
    // resize event only when shown, and a window never shown has its geometry.
    void layOutNow();

Q_SIGNALS:
    void zoomChoiceChanged(int choice);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void choose(int choice, int percent, QPointF viewportPosition);

    PictureBox* view_;
    int choice_;
    int wheelRest_ = 0; // the part of a notch the wheel has turned so far
};
