#include "printing/PrintPreview.h"

#include "platform/DrawingSurface.h"
#include "printing/PageBuilders.h"
#include "printing/StockPictures.h"

namespace {

// The two card slots of the sample sheet.
void drawTwoSlots(DrawingSurface& preview, const QImage& top, const QImage& bottom)
{
    preview.paintPicture(top, 20, 30, 90, 60);
    preview.paintPicture(bottom, 20, 91, 90, 60);
}

}

void drawModePreview(DrawingSurface& preview, int mode, const QImage& card, int currentYear)
{
    preview.clear();
    switch (mode) {
    case 1: drawTwoSlots(preview, card, card); break;
    case 2: drawTwoSlots(preview, StockPictures::Achterkant(), card); break;
    case 3: drawTwoSlots(preview, card, StockPictures::Portret()); break;
    case 5:
        preview.assignBasePicture(StockPictures::Img(4));
        preview.fontName = QStringLiteral("Arial");
        preview.fontSize = 8;
        preview.fontBold = false;
        preview.foreColor = 0;
        preview.currentX = 50;
        preview.currentY = 2;
        preview.printText(printNumberText(currentYear));
        preview.paintPicture(card, 16, 21, 97, 57);
        break;
    case 4:
    case 6:
    case 7: preview.assignBasePicture(StockPictures::Img(mode == 4 ? 3 : mode)); break;
    default: break;
    }
}
