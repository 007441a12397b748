#pragma once
// Shows a DrawingSurface 1:1 and reports mouse and key events in the picture's
// pixel units, with button and shift codes as the event handlers expect them:
// buttons 1 left, 2 right, 4 middle; shift bits 1 Shift, 2 Ctrl, 4 Alt.
#include <QWidget>

class DrawingSurface;

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(DrawingSurface* surface, QWidget* parent = nullptr);
    DrawingSurface* surface() const { return surface_; }

    static int buttonCode(Qt::MouseButtons buttons);
    static int shiftCode(Qt::KeyboardModifiers modifiers);

Q_SIGNALS:
    // `button` is the pressed or released button; for moves, every button held.
    void mouseDown(int button, int shift, double x, double y);
    void mouseMove(int button, int shift, double x, double y);
    void mouseUp(int button, int shift, double x, double y);
    void keyDown(int keyCode, int shift);
    // One local file dropped onto the picture.
    void fileDropped(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    DrawingSurface* surface_;
};
