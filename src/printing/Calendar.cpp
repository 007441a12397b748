// The one-page year calendar (twips): the year, the card, twelve month grids.
#include "printing/PageBuilders.h"
#include "printing/PageText.h"

#include <QCoreApplication>

#include <array>

using PageText::arial;
using PageText::black;
using PageText::printAt;

namespace {

// The context of the calendar's names; they are translated where they are printed.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Calendar)
};

struct Month {
    const char* name;  // padded to nine characters, printed with the spaces
    int days;
};

constexpr std::array<Month, 12> months{{
    {QT_TRANSLATE_NOOP("Calendar", "  Januari"), 31},
    {QT_TRANSLATE_NOOP("Calendar", " Februari"), 28},
    {QT_TRANSLATE_NOOP("Calendar", "    Maart"), 31},
    {QT_TRANSLATE_NOOP("Calendar", "    April"), 30},
    {QT_TRANSLATE_NOOP("Calendar", "      Mei"), 31},
    {QT_TRANSLATE_NOOP("Calendar", "     Juni"), 30},
    {QT_TRANSLATE_NOOP("Calendar", "     Juli"), 31},
    {QT_TRANSLATE_NOOP("Calendar", " Augustus"), 31},
    {QT_TRANSLATE_NOOP("Calendar", "September"), 30},
    {QT_TRANSLATE_NOOP("Calendar", "  Oktober"), 31},
    {QT_TRANSLATE_NOOP("Calendar", " November"), 30},
    {QT_TRANSLATE_NOOP("Calendar", " December"), 31},
}};

// Sunday first.
constexpr std::array<const char*, 7> dayNames{{
    QT_TRANSLATE_NOOP("Calendar", "Zo"),
    QT_TRANSLATE_NOOP("Calendar", "Ma"),
    QT_TRANSLATE_NOOP("Calendar", "Di"),
    QT_TRANSLATE_NOOP("Calendar", "Wo"),
    QT_TRANSLATE_NOOP("Calendar", "Do"),
    QT_TRANSLATE_NOOP("Calendar", "Vr"),
    QT_TRANSLATE_NOOP("Calendar", "Za"),
}};

constexpr double cellSize = 330;
constexpr double rowHeight = 300;
constexpr double blockStepX = 2505;
constexpr double blockStepY = 2580;
constexpr double firstBlockX = 870;
constexpr double firstBlockY = 8220;

const QColor monthNameColor(32, 32, 32);
const QColor dayNameColor(0, 0, 200);
const QColor weekdayColor(100, 100, 100);
const QColor weekendColor(190, 0, 0);

long long floorDiv(long long a, long long b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

bool isLeapYear(long long year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// Draws one month block at (x0, y0) starting in column offset; returns the
// column where the next month starts.
int printMonth(PrinterPage& page, double x0, double y0, const Month& month, int days, int offset)
{
    PrintKader(page, x0, y0, x0 + 2310, y0 + 2400);
    page.setFont(arial, 10, true);
    page.setTextColor(monthNameColor);
    printAt(page, x0 + 630, y0 + 30, Text::tr(month.name));
    page.drawLine(x0, y0 + rowHeight, x0 + 2100, y0 + rowHeight, black);

    for (int k = 0; k < 7; ++k) {
        const double x = x0 + cellSize * k;
        PrintKader(page, x, y0 + rowHeight, x + cellSize, y0 + 2 * rowHeight);
        page.setFont(arial, 8, true);
        page.setTextColor(dayNameColor);
        printAt(page, x + 60, y0 + 360, Text::tr(dayNames[k]));
    }

    for (int r = 0; r < 6; ++r)
        for (int k = 0; k < 7; ++k) {
            const double x = x0 + cellSize * k;
            const double y = y0 + 600 + rowHeight * r;
            PrintKader(page, x, y, x + cellSize, y + rowHeight);
        }

    int nextOffset = offset;
    for (int c = 1; c <= 42; ++c) {
        const bool weekend = c % 7 == 1 || c % 7 == 0;
        page.setTextColor(weekend ? weekendColor : weekdayColor);
        if (c > offset && c <= offset + days) {
            const int k = (c - 1) % 7;
            const int r = (c - 1) / 7;
            printAt(page, x0 + cellSize * k + 30, y0 + 645 + rowHeight * r, printNumberText(c - offset));
            nextOffset = c % 7;
        }
    }
    return nextOffset;
}

}

CalendarYear calendarYear(int year)
{
    // Days from 1 January of year 1 (a Monday in the Gregorian reckoning).
    const long long before = static_cast<long long>(year) - 1;
    const long long days = 365 * before + floorDiv(before, 4) - floorDiv(before, 100) + floorDiv(before, 400);
    CalendarYear result;
    result.januaryOffset = static_cast<int>(((days + 1) % 7 + 7) % 7);
    result.februaryDays = isLeapYear(year) ? 29 : 28;
    return result;
}

void PrintKader(PrinterPage& page, double x1, double y1, double x2, double y2)
{
    page.drawLine(x1, y1, x2, y1, black);
    page.drawLine(x2, y1, x2, y2, black);
    page.drawLine(x2, y2, x1, y2, black);
    page.drawLine(x1, y2, x1, y1, black);
}

void PrintKalender(PrinterPage& page, int year, const QImage& card)
{
    const CalendarYear info = calendarYear(year);

    page.setFont(arial, 20, true);
    page.setTextColor(black);
    printAt(page, 5220, 450, printNumberText(year));

    page.drawPicture(card, 900, 1050, 9800, 6600);
    PrintKader(page, 870, 1020, 10730, 7680);

    double x0 = firstBlockX;
    double y0 = firstBlockY;
    int offset = info.januaryOffset;
    for (int m = 0; m < 12; ++m) {
        const int days = m == 1 ? info.februaryDays : months[m].days;
        offset = printMonth(page, x0, y0, months[m], days, offset);
        x0 += blockStepX;
        if (x0 > 10000) {
            x0 = firstBlockX;
            y0 += blockStepY;
        }
    }
}
