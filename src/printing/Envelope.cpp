// The cut-and-fold envelope template for a card.
#include "printing/PageBuilders.h"
#include "printing/PageText.h"

#include <QCoreApplication>

#include <array>

using PageText::arial;
using PageText::black;

namespace {
// The context of the texts on the template.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Envelope)
};

struct EnvelopeShape {
    bool rectangle;
    double x1, y1, x2, y2;
};

// Two 155 x 110 mm panels sharing the fold at y 160, the top flap and the side tabs.
constexpr std::array<EnvelopeShape, 11> envelopeShapes{{
    {true, 25, 50, 180, 160},
    {true, 25, 160, 180, 270},
    {false, 25, 50, 30, 25},
    {false, 180, 50, 175, 25},
    {false, 30, 25, 175, 25},
    {false, 25, 50, 10, 60},
    {false, 10, 60, 10, 150},
    {false, 10, 150, 25, 160},
    {false, 180, 50, 195, 60},
    {false, 195, 60, 195, 150},
    {false, 195, 150, 180, 160},
}};
}

void PrintEnvelop(PrinterPage& page)
{
    for (const EnvelopeShape& shape : envelopeShapes) {
        if (shape.rectangle)
            page.drawRectangle(shape.x1, shape.y1, shape.x2, shape.y2, black);
        else
            page.drawLine(shape.x1, shape.y1, shape.x2, shape.y2, black);
    }
    page.setFont(arial, 24, true);
    page.setTextColor(QColor(220, 220, 220));
    PageText::printAt(page, 80, 100, Text::tr("Binnenzijde"));
    page.setFont(arial, 12, true);
    page.setTextColor(QColor(100, 100, 100));
    PageText::printAt(page, 20, 10,
                      Text::tr("Knip de envelop uit en vouw deze via de lijnen naar binnen en lijm de zijtabs vast."));
}
