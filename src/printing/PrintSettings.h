#pragma once
// The print settings: the label sheet geometry, the printer alignment and the
// print mode the print window opens at. Owned by the main window, edited by
// the label settings window and read by the print window.
#include "platform/LabelSheetStart.h"

struct PrintSettings {
    // Label sheet geometry (millimetres) and labels per sheet.
    double labelLeft = LabelSheetStart::Left;
    double labelTop = LabelSheetStart::Top;
    double labelWidth = LabelSheetStart::Width;
    double labelHeight = LabelSheetStart::Height;
    int labelsPerSheet = LabelSheetStart::PerSheet;

    // Printer alignment: everything printed moves this far (mm), right and down.
    double offsetX = 0;
    double offsetY = 0;
    // Added on the backs of a two-sided job only (mm).
    double backOffsetX = 0;
    double backOffsetY = 0;
    // The print mode the print window opens at.
    int printMode = 1;
};
