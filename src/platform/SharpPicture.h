#pragma once
// Pictures the program draws itself, drawn at the device pixel ratio of the
// screen that shows them, so that they stay sharp on HiDPI screens.
#include <QImage>
#include <QLabel>
#include <functional>

// A white canvas of `width` x `height` logical pixels at 96 dpi, holding
// `ratio` device pixels per logical pixel; a painter on it draws in logical pixels.
QImage pictureCanvas(int width, int height, qreal ratio, QImage::Format format = QImage::Format_RGB32);

using PictureAtRatio = std::function<QImage(qreal ratio)>;

// Shows draw(ratio) in `label` at the label's device pixel ratio, and draws it
// again when the label is painted at another ratio (its window moved to
// another screen). A later call replaces the picture.
void showSharpPicture(QLabel* label, PictureAtRatio draw);
