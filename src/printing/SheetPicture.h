#pragma once
// The print window's picture of what a job prints: the job itself draws on
// small sheets of the paper and orientation it asks for, so the picture
// cannot differ from the print. What the printer leaves out (beyond the
// sheet's edges, or in its unprintable border) shows faintly.
#include <QImage>
#include <QMarginsF>
#include <QSize>

#include <functional>

class PrinterPage;

using SheetJob = std::function<void(PrinterPage& page)>;

// The job's sheets fitted into `size` logical pixels, drawn at `ratio` device
// pixels per logical pixel. With `twoSides` its first two pages (the fronts
// and the backs) are shown: portrait sheets side by side, landscape sheets one
// above the other. `unprintable` is in mm of the page; empty for borderless.
QImage sheetPicture(const SheetJob& job, QSize size, qreal ratio, bool twoSides, const QMarginsF& unprintable);
