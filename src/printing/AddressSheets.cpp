// The whole address book on paper: a numbered list or a label sheet.
#include "printing/PageBuilders.h"
#include "printing/PageText.h"

#include <QCoreApplication>

#include <array>

using PageText::arial;
using PageText::black;
using PageText::printAt;

namespace {

// The context of the texts on these sheets.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(AddressSheets)
};

constexpr std::array<double, 4> listFieldX{{15, 70, 120, 170}};
constexpr double listNumberX = 5;
constexpr double listFirstRowY = 20;
constexpr double listRowStep = 5;
constexpr double listLastRowY = 265;

void printListHeading(PrinterPage& page)
{
    static constexpr std::array<const char*, 4> headings{
        {QT_TRANSLATE_NOOP("AddressSheets", "Naam"), QT_TRANSLATE_NOOP("AddressSheets", "Adres"),
         QT_TRANSLATE_NOOP("AddressSheets", "Postc. Woonpl."), QT_TRANSLATE_NOOP("AddressSheets", "Land")}};
    printAt(page, listNumberX, 10, Text::tr("Nr."));
    for (int i = 0; i < 4; ++i)
        printAt(page, listFieldX[i], 10, Text::tr(headings[i]));
    printAt(page, 5, 15, QString(160, QLatin1Char('-')));
}

std::array<QString, 4> fieldsOf(const AddressRecord& record)
{
    return {record.naam, record.adres, record.postcodeWoonplaats, record.land};
}

}

PrintResult PrintAdresLijst(PrinterPage& page, const std::optional<AddressBook>& book)
{
    page.setFont(arial, 9, true);
    page.setTextColor(black);
    printListHeading(page);
    if (!book)
        return {};

    double y = listFirstRowY;
    int number = 1;
    for (const AddressRecord& record : book->records) {
        page.setFont(arial, 9, false);
        printAt(page, listNumberX, y, printNumberText(number));
        const auto fields = fieldsOf(record);
        for (int i = 0; i < 4; ++i)
            printAt(page, listFieldX[i], y, fields[i]);
        ++number;
        y += listRowStep;
        // The break follows a full page even when no record is left.
        if (y > listLastRowY) {
            page.newPage();
            page.setFont(arial, 9, true);
            printListHeading(page);
            y = listFirstRowY;
        }
    }
    const int count = number - 1;
    return {true, count, Text::tr("Print %n adressen", nullptr, count)};
}

PrintResult PrintEtiketten(PrinterPage& page, const std::optional<AddressBook>& book,
                           const LabelSettings& settings)
{
    page.setFont(arial, 10, true);
    page.setTextColor(black);
    if (!book)
        return {};

    const double rowStartX = settings.left - 3;
    const double firstRowY = settings.top - 4;
    double x = rowStartX;
    double y = firstRowY;
    int count = 1;
    for (const AddressRecord& record : book->records) {
        const auto fields = fieldsOf(record);
        for (int i = 0; i < 4; ++i)
            printAt(page, x, y + 5 * i, PageText::blankDash(fields[i]));
        ++count;
        x += settings.width;
        if (x > 170) {
            x = rowStartX;
            y += settings.height;
            // The count runs on over the sheets, so the labels-per-sheet test
            // ends at most one sheet; later sheets end when the page is full.
            if (count - 1 == settings.perSheet || y > 270) {
                page.newPage();
                x = rowStartX;
                y = firstRowY;
            }
        }
    }
    return {true, count - 1, Text::tr("Print %n etiketten", nullptr, count - 1)};
}
