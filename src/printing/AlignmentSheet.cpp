#include "printing/AlignmentSheet.h"

#include "printing/PageText.h"

#include <QLocale>

#include <cmath>

namespace {
// One sentence a line on paper.
const QStringList InstructionLines = {
    QStringLiteral("Staan de kruisjes niet op 10 mm van de rand van het papier?"),
    QStringLiteral("Meet het verschil."),
    QStringLiteral("Te ver naar rechts of naar beneden: vul het in met een minteken bij Verschuiving X of Y."),
    QStringLiteral("Te ver naar links of naar boven: zonder minteken."),
};
}

const QString AlignmentInstruction = InstructionLines.join(QLatin1Char(' '));

namespace {

constexpr double PaperWidth = 210;
constexpr double PaperHeight = 297;
constexpr double CrossArm = 4;
constexpr double RulerLength = 100;
constexpr double RulerLine = 15;   // distance of a ruler's base line from its edge

// Draws on paper coordinates: the page's origin lies at the margins.
struct Paper {
    PrinterPage& page;
    QMarginsF margins;

    void line(double x1, double y1, double x2, double y2) const
    {
        page.drawLine(x1 - margins.left(), y1 - margins.top(), x2 - margins.left(), y2 - margins.top(), PageText::black);
    }
    void text(double x, double y, const QString& text) const
    {
        PageText::printAt(page, x - margins.left(), y - margins.top(), text);
    }
};

void cross(const Paper& paper, double x, double y)
{
    paper.line(x - CrossArm, y, x + CrossArm, y);
    paper.line(x, y - CrossArm, x, y + CrossArm);
}

// Ticks every mm from the paper edge, longer every 5 and 10 mm, numbered
// every 10 mm; the part outside the printable area is left out.
void ruler(const Paper& paper, bool horizontal, double printableStart)
{
    for (int mm = int(std::ceil(printableStart)); mm <= RulerLength; ++mm) {
        const double tick = mm % 10 == 0 ? 5 : mm % 5 == 0 ? 3.5 : 2;
        if (horizontal)
            paper.line(mm, RulerLine, mm, RulerLine + tick);
        else
            paper.line(RulerLine, mm, RulerLine + tick, mm);
        if (mm % 10 == 0 && mm > 0) {
            if (horizontal)
                paper.text(mm + 0.5, RulerLine + 5, QString::number(mm));
            else
                paper.text(RulerLine + 5.5, mm - 1.5, QString::number(mm));
        }
    }
    const double start = std::max(printableStart, 0.0);
    if (horizontal)
        paper.line(start, RulerLine, RulerLength, RulerLine);
    else
        paper.line(RulerLine, start, RulerLine, RulerLength);
}


}

void PrintTestvel(PrinterPage& page, const QMarginsF& margins, double offsetX, double offsetY)
{
    page.setUnit(PrinterPage::Unit::Millimetres);
    page.setTextColor(PageText::black);
    page.setTransparentTextBackground();
    const Paper paper{page, margins};

    for (double x : {AlignmentCrossInset, PaperWidth - AlignmentCrossInset})
        for (double y : {AlignmentCrossInset, PaperHeight - AlignmentCrossInset})
            cross(paper, x, y);

    page.setFont(PageText::arial, 7, false);
    ruler(paper, true, margins.left());
    ruler(paper, false, margins.top());

    page.setFont(PageText::arial, 14, true);
    paper.text(20, 120, QStringLiteral("Testvel voor de uitlijning"));
    page.setFont(PageText::arial, 10, false);
    double y = 132;
    for (const QString& line : InstructionLines) {
        paper.text(20, y, line);
        y += 6;
    }
    const QLocale dutch(QLocale::Dutch, QLocale::Netherlands);
    paper.text(20, y + 6, QStringLiteral("Verschuiving nu: X %1 mm, Y %2 mm")
                              .arg(dutch.toString(offsetX, 'f', 1), dutch.toString(offsetY, 'f', 1)));
}
