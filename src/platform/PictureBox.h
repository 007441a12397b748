#pragma once
// Shows a DrawingSurface 1:1 and reports mouse and key events in the picture's
// pixel units, with button and shift codes as the event handlers expect them:
// buttons 1 left, 2 right, 4 middle; shift bits 1 Shift, 2 Ctrl, 4 Alt.
#include <QRect>
#include <QVector>
#include <QWidget>
#include <functional>

class DrawingSurface;

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(DrawingSurface* surface, QWidget* parent = nullptr);
    DrawingSurface* surface() const { return surface_; }

    static int buttonCode(Qt::MouseButtons buttons);
    static int shiftCode(Qt::KeyboardModifiers modifiers);

    // Offered every wheel turn without Ctrl over the card, before the view scrolls:
    // `steps` is +1 per notch away from the user (up), -1 towards; (x, y) in card pixels.
    // Returns true when it used the turn (the view then does not scroll).
    std::function<bool(int steps, int shift, double x, double y)> wheelOverCard;
    // Outlines of photo frames drawn over the card (never in its pixels), in card pixels:
    // thin, dashed, light grey; the one at index `current` in the palette's highlight colour.
    // An empty list shows none.
    void setFrameOutlines(const QVector<QRect>& frames, int current);

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
    DrawingSurface* surface_;
    QVector<QRect> outlines_;
    int currentOutline_ = -1;
};
