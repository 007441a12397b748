#pragma once
// The palette window: 112 colour cells; a press on one picks its colour and
// closes the window. The colour under the pointer is kept in `paletteColor`,
// which outlives the window.
#include "platform/PictureSurface.h"
#include "platform/Colors.h"

#include <QDialog>

class PictureBox;
class QFrame;
class QPushButton;

class ColorKeuze : public QDialog {
    Q_OBJECT
public:
    explicit ColorKeuze(Rgb& paletteColor, QWidget* parent = nullptr);

    QPushButton* KnopBack = nullptr;
    QFrame* Picture2 = nullptr;
    PictureBox* Picture1 = nullptr;

    // Pointer at (x, y) on the palette: remember the colour and show it in the tooltip.
    void Picture1_MouseMove(double x, double y);
    // Any button pressed at (x, y): pick the colour there and close.
    void Picture1_MouseDown(double x, double y);

private:
    PictureSurface palette_;
    Rgb& paletteColor_;
};
