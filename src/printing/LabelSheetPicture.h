#pragma once
// The explanation picture of the label settings window: the corner of a label
// sheet with two labels, and red arrows marking A (left edge to the text),
// B (top edge to the text), C (label width) and D (label height).
#include <QImage>
#include <QSize>

QImage labelSheetPicture(QSize size);
