#include "printing/AlignmentSheet.h"

#include "printing/PageText.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace {
// The context of the sheet's texts.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(AlignmentSheet)
};

// One sentence a line on paper.
constexpr const char* InstructionLines[] = {
    QT_TRANSLATE_NOOP("AlignmentSheet", "Staan de kruisjes niet op 10 mm van de rand van het papier?"),
    QT_TRANSLATE_NOOP("AlignmentSheet", "Meet het verschil."),
    QT_TRANSLATE_NOOP("AlignmentSheet",
                      "Te ver naar rechts of naar beneden: vul het in met een minteken bij Verschuiving X of Y."),
    QT_TRANSLATE_NOOP("AlignmentSheet", "Te ver naar links of naar boven: zonder minteken."),
};

// The instruction lines, translated when `translate` is set.
QStringList instructionLines(bool translate)
{
    QStringList lines;
    for (const char* line : InstructionLines)
        lines << (translate ? Text::tr(line) : QString::fromUtf8(line));
    return lines;
}
}

const QString AlignmentInstruction = instructionLines(false).join(QLatin1Char(' '));

QString alignmentInstruction()
{
    return instructionLines(true).join(QLatin1Char(' '));
}

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
    // What follows belongs to the rectangle (x, y, width, height) of the paper; see PrinterPage::beginCard.
    void card(double x, double y, double width, double height) const
    {
        page.beginCard(QRectF(x - margins.left(), y - margins.top(), width, height));
    }
};

QString millimetres(double value)
{
    return QLocale(QLocale::Dutch, QLocale::Netherlands).toString(value, 'f', 1);
}

// The scales of the two-sided check: ticks every mm, numbered every 5 mm with
// the back offset to add when the back's line stands there. Seen from the
// front the back is mirrored: a line further right needs the back moved right
// on its own page (+), a line lower needs it moved up (-).
void backScales(const Paper& paper)
{
    const int reach = int(BackScaleReach);
    const double x0 = BackScaleX[0], y0 = BackScaleX[1];
    const double x1 = BackScaleY[0], y1 = BackScaleY[1];
    for (int mm = -reach; mm <= reach; ++mm) {
        const double tick = mm % 5 == 0 ? 4 : 2;
        paper.line(x0 + mm, y0, x0 + mm, y0 + tick);
        paper.line(x1, y1 + mm, x1 + tick, y1 + mm);
        if (mm % 5 == 0) {
            paper.text(x0 + mm - 1, y0 + 5, QString::number(mm));
            paper.text(x1 + 5, y1 + mm - 1.5, QString::number(-mm));
        }
    }
    paper.line(x0 - reach, y0, x0 + reach, y0);
    paper.line(x1, y1 - reach, x1, y1 + reach);
    paper.text(x0 - reach - 28, y0 - 1.5, Text::tr("Achterkant X"));
    paper.text(x1 - 28, y1 - 1.5, Text::tr("Achterkant Y"));
}


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
    paper.text(20, 120, Text::tr("Testvel voor de uitlijning"));
    page.setFont(PageText::arial, 10, false);
    double y = 132;
    for (const QString& line : instructionLines(true)) {
        paper.text(20, y, line);
        y += 6;
    }
    paper.text(20, y + 6, Text::tr("Verschuiving nu: X %1 mm, Y %2 mm").arg(millimetres(offsetX), millimetres(offsetY)));

    page.setFont(PageText::arial, 10, true);
    paper.text(20, 185, Text::tr("Beide zijden"));
    page.setFont(PageText::arial, 10, false);
    paper.text(20, 191, Text::tr("Houd het vel tegen het licht en lees af waar de lijnen van de achterkant staan."));
    paper.text(20, 197, Text::tr("Tel die getallen op bij Achterkant X en Y."));
    page.setFont(PageText::arial, 7, false);
    backScales(paper);
}

void PrintTestvelAchterkant(PrinterPage& page, const QMarginsF& margins, double backOffsetX, double backOffsetY)
{
    page.setUnit(PrinterPage::Unit::Millimetres);
    page.setTextColor(PageText::black);
    page.setTransparentTextBackground();
    const Paper paper{page, margins};
    constexpr double overhang = 6;   // how far each line runs past its scale's ticks

    paper.card(BackScaleX[0], BackScaleX[1] - overhang, 0, 2 * overhang);
    paper.line(BackScaleX[0], BackScaleX[1] - overhang, BackScaleX[0], BackScaleX[1] + overhang);
    paper.card(BackScaleY[0] - overhang, BackScaleY[1], 2 * overhang, 0);
    paper.line(BackScaleY[0] - overhang, BackScaleY[1], BackScaleY[0] + overhang, BackScaleY[1]);

    // The texts read on the back, behind the front's instructions.
    paper.card(20, 120, 170, 40);
    page.setFont(PageText::arial, 14, true);
    paper.text(20, 120, Text::tr("Achterkant van het testvel"));
    page.setFont(PageText::arial, 10, false);
    paper.text(20, 132, Text::tr("De lijnen op deze kant horen bij 0 op de schalen van de voorkant."));
    paper.text(20, 138, Text::tr("Achterkant nu: X %1 mm, Y %2 mm").arg(millimetres(backOffsetX), millimetres(backOffsetY)));
}
