#pragma once
// Shows a DrawingSurface at a zoom and reports mouse and key events in the
// picture's pixel units, with button and shift codes as the event handlers
// expect them: buttons 1 left, 2 right, 4 middle; shift bits 1 Shift, 2 Ctrl,
// 4 Alt. The view is the picture's size times the zoom; it shows the picture
// sharp at any zoom and device pixel ratio (see CardViewCache.h) and repaints
// only what changed. Child widgets placed as overlays keep their place on the
// picture at every zoom.
#include "platform/CardViewCache.h"

#include <QFont>
#include <QPointer>
#include <QVector>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class DrawingSurface;

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(DrawingSurface* surface, QWidget* parent = nullptr);
    DrawingSurface* surface() const { return surface_; }

    static int buttonCode(Qt::MouseButtons buttons);
    static int shiftCode(Qt::KeyboardModifiers modifiers);

    // The zoom in percent: 100 shows one picture pixel per logical pixel.
    // Setting it resizes the view to the picture's size at that zoom.
    int zoom() const { return zoom_; }
    void setZoom(int percent);
    // The picture pixel that holds a position on the view.
    QPointF picturePixelAt(QPointF position) const;
    // A rectangle of picture pixels on the view.
    QRect viewRect(const QRect& pictureArea) const;

    // Keeps `overlay`, a child of this view, over `pictureArea` at every zoom.
    void placeOverlay(QWidget* overlay, const QRect& pictureArea);
    // Where an overlay stands in picture pixels: where it was last placed, or
    // its geometry mapped back when it never was.
    QRect overlayArea(const QWidget* overlay) const;
    // Gives an overlay `font`, sized for the picture at 100%, grown with the zoom;
    // the overlay is then at least as large as its contents need.
    void setOverlayFont(QWidget* overlay, const QFont& font);

    // Offered every wheel turn without Ctrl over the card, before the view scrolls:
    // `steps` is +1 per notch away from the user (up), -1 towards; (x, y) in card pixels.
    // Returns true when it used the turn (the view then does not scroll).
    std::function<bool(int steps, int shift, double x, double y)> wheelOverCard;
    // Outlines of photo frames drawn over the card (never in its pixels), in card pixels:
    // thin, dashed, light grey; the one at index `current` in the palette's highlight colour.
    // An empty list shows none.
    void setFrameOutlines(const QVector<QRect>& frames, int current);
    // A dashed rectangle around a selected object, in card pixels, over the
    // card and never in it; an empty one shows none.
    void setSelectionRectangle(const QRect& area);
    QRect selectionRectangle() const { return selection_; }

Q_SIGNALS:
    // `button` is the pressed or released button; for moves, every button held.
    void mouseDown(int button, int shift, double x, double y);
    void mouseMove(int button, int shift, double x, double y);
    void mouseUp(int button, int shift, double x, double y);
    // A double click, in card pixels.
    void mouseDoubleClick(int button, int shift, double x, double y);
    void keyDown(int keyCode, int shift);
    // One local file dropped onto the picture.
    void fileDropped(const QString& path);
    void zoomChanged(int percent);
    // The same, with where it was dropped, in card pixels.
    void fileDroppedAt(const QString& path, double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    struct Overlay {
        QPointer<QWidget> widget;
        QRect area;
        std::optional<QFont> font;
    };
    void surfaceChanged(const QRect& area);
    void placeOverlay(Overlay& overlay);
    Overlay* overlayOf(const QWidget* widget);

    DrawingSurface* surface_;
    int zoom_ = 100;
    CardViewCache cache_;
    QRect pending_; // picture pixels changed since the cache was last brought up to date
    std::vector<Overlay> overlays_;
    QVector<QRect> frames_;
    int currentFrame_ = -1;
    QRect selection_;
    int wheelRest_ = 0; // the part of a notch the wheel has turned so far
};
