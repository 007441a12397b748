#pragma once
// The alignment sheet: fine crosses 10 mm from each paper edge and millimetre
// rulers along the top and left edges, so the user can measure how far the
// printer puts everything off.
#include "printing/PrinterPage.h"

#include <QMarginsF>
#include <QString>
#include <QStringList>

// What the user does with the sheet, printed on it and shown after printing:
// the Dutch source, and the text in the language shown.
extern const QString AlignmentInstruction;
QString alignmentInstruction();

// Distance of the crosses from the paper edges, in mm.
constexpr double AlignmentCrossInset = 10;

// Draws the sheet in mm on a page whose origin lies `margins` inside the paper
// (the printer's unprintable border). `offsetX`/`offsetY` are printed as the
// shift in use.
// The front also carries the scales of the two-sided check.
void PrintTestvel(PrinterPage& page, const QMarginsF& margins, double offsetX, double offsetY);

// Where the scales of the two-sided check lie on the front, in mm from the
// paper's top-left corner: the zero of the X scale and of the Y scale.
constexpr double BackScaleX[] = {105, 215};
constexpr double BackScaleY[] = {150, 250};
// Half the length of a scale, in mm.
constexpr double BackScaleReach = 10;

// The back of the alignment sheet, drawn in the front's coordinates for a
// MirroredPage: one line behind the zero of each scale, so that held against
// the light the scales read the back offset to add; `backOffsetX`/`backOffsetY`
// are printed as the back offset in use.
void PrintTestvelAchterkant(PrinterPage& page, const QMarginsF& margins, double backOffsetX, double backOffsetY);
