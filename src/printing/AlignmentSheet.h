#pragma once
// The alignment sheet: fine crosses 10 mm from each paper edge and millimetre
// rulers along the top and left edges, so the user can measure how far the
// printer puts everything off.
#include "printing/PrinterPage.h"

#include <QMarginsF>
#include <QString>
#include <QStringList>

// What the user does with the sheet, printed on it and shown after printing.
extern const QString AlignmentInstruction;

// Distance of the crosses from the paper edges, in mm.
constexpr double AlignmentCrossInset = 10;

// Draws the sheet in mm on a page whose origin lies `margins` inside the paper
// (the printer's unprintable border). `offsetX`/`offsetY` are printed as the
// shift in use.
void PrintTestvel(PrinterPage& page, const QMarginsF& margins, double offsetX, double offsetY);
