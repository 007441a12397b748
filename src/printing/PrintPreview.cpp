#include "printing/PrintPreview.h"

#include "platform/CardSurface.h"
#include "printing/PrintModes.h"

void drawModePreview(DrawingSurface& preview, int mode, const QImage& card, int currentYear)
{
    preview.clear();
    if (const PrintModeRow* row = printModeRow(mode); row && row->sample)
        row->sample(preview, card, currentYear);
}
