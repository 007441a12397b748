// Two card-sized images on one sheet: the card twice, a double card with a
// back panel, or two address sides.
#include "printing/PageBuilders.h"
#include "printing/PageText.h"

#include <QCoreApplication>

#include <array>

using PageText::arial;
using PageText::black;
using PageText::printAt;

namespace {

// The context of the instructions on these sheets.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(CardSheets)
};

constexpr double slotLeft = 27;
constexpr double topSlotTop = 39;
constexpr double bottomSlotTop = 145;

struct Segment {
    double x1, y1, x2, y2;
};

// Ten 10 mm marks outside the card area: horizontal ones at the card edges
// left and right, vertical ones at the card sides above and below.
constexpr std::array<Segment, 10> cutMarks{{
    {5, 39, 15, 39},
    {190, 39, 200, 39},
    {5, 144, 15, 144},
    {190, 144, 200, 144},
    {5, 251, 15, 251},
    {190, 251, 200, 251},
    {27, 5, 27, 15},
    {27, 270, 27, 280},
    {176, 5, 176, 15},
    {176, 270, 176, 280},
}};

QRectF slot(double top)
{
    return QRectF(slotLeft, top, CardPrintSize::width, CardPrintSize::height);
}

void drawInSlot(PrinterPage& page, const QImage& card, double top)
{
    page.beginCard(slot(top));
    page.drawPicture(card, slotLeft, top, CardPrintSize::width, CardPrintSize::height);
}

void drawInSlots(PrinterPage& page, const QImage& top, const QImage& bottom)
{
    drawInSlot(page, top, topSlotTop);
    drawInSlot(page, bottom, bottomSlotTop);
}

void setInstructionFont(PrinterPage& page)
{
    page.setFont(arial, 12, false);
    page.setTextColor(black);
}

using PageText::AddressCells;

void printCells(PrinterPage& page, const AddressCells& cells, double firstY)
{
    constexpr double recipientX = 105;
    constexpr double lineStep = 11.5;
    for (int i = 0; i < 4; ++i)
        printAt(page, recipientX, firstY + lineStep * i, cells[i]);
}

}

void PrintKnipLijnen(PrinterPage& page)
{
    for (const Segment& mark : cutMarks)
        page.drawLine(mark.x1, mark.y1, mark.x2, mark.y2, black);
    setInstructionFont(page);
    printAt(page, 60, 265, Text::tr("Snij of knip de kaarten langs de zijlijnen door"));
}

void PrintTweeKaarten(PrinterPage& page, const QImage& card, bool turnInstruction)
{
    drawInSlots(page, card, card);
    PrintKnipLijnen(page);
    if (!turnInstruction)
        return;
    setInstructionFont(page);
    printAt(page, 45, 255, Text::tr("Draai het papier om en print de adreszijden op de achterkant"));
}

void PrintAdresZijden(PrinterPage& page, const QImage& card, const std::optional<AddressBook>& book,
                      const QString& naam1, const QString& naam2)
{
    // The last record with a matching name fills its block.
    const AddressCells first = book ? PageText::recipientCells(*book, naam1) : AddressCells{};
    const AddressCells second = book ? PageText::recipientCells(*book, naam2) : AddressCells{};
    const bool addresses = book && !(first[0].isEmpty() && second[0].isEmpty());

    // Each card with its addresses, so that a back moves with them.
    const struct {
        double top;
        const AddressCells& recipient;
        double recipientY;
        double senderY;
    } cards[] = {{topSlotTop, first, 88.5, 122.3}, {bottomSlotTop, second, 194, 229}};
    for (const auto& c : cards) {
        drawInSlot(page, card, c.top);
        if (!addresses)
            continue;
        page.setTransparentTextBackground();
        page.setFont(arial, 11, true);
        page.setTextColor(black);
        printCells(page, c.recipient, c.recipientY);
        printAt(page, 33, c.senderY, book->senderLine);
    }
}

void PrintDubbelLiggend(PrinterPage& page, const QImage& card, const QImage& achterkant)
{
    drawInSlots(page, achterkant, card);
    PrintKnipLijnen(page);
}

void PrintDubbelStaand(PrinterPage& page, const QImage& card, const QImage& portret)
{
    drawInSlots(page, card, portret);
    PrintKnipLijnen(page);
}
