#pragma once
// The explanation picture of the label settings window: the corner of a label
// sheet with two labels, and red arrows marking A (left edge to the text),
// B (top edge to the text), C (label width) and D (label height).
#include <QImage>
#include <QSize>

QImage labelSheetPicture(QSize size);

// The explanation of the two printer alignment inputs: a positive X moves the
// print to the right, a positive Y moves it down.
QImage alignmentPicture(QSize size);
