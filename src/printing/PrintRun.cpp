#include "printing/PrintRun.h"

#include "printing/AlignmentSheet.h"
#include "printing/ShiftedPage.h"

#include <algorithm>

namespace PrintRun {

namespace {

constexpr int FirstListedYear = 2009;
constexpr int YearsAhead = 10;

std::optional<int> wholeNumber(const QString& text, int lowest, int highest)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

}

QString modeCaption(int mode, bool addressSide, int labelsPerSheet)
{
    const PrintModeRow* row = printModeRow(mode);
    return row ? row->caption(PrintChoices{addressSide, labelsPerSheet}) : QString();
}

QString openingCaption(bool addressSide)
{
    return addressSide ? QStringLiteral("2 Adreszijden met adressen uit het bestand")
                       : QStringLiteral("2 Dezelfde prentvellen");
}

std::optional<int> copies(const QString& text)
{
    return wholeNumber(text, 1, MaxCopies);
}

std::optional<int> year(const QString& text)
{
    return wholeNumber(text, FirstYear, LastYear);
}

QStringList yearItems(int currentYear)
{
    QStringList items;
    for (int year = FirstListedYear; year <= std::max(currentYear, FirstListedYear) + YearsAhead; ++year)
        items << QString::number(year);
    return items;
}

const QString NoAddressBookMessage =
    QStringLiteral("Er is nog geen adressenbestand. Vul het eerst via Tools > Adressenbestand.");

bool needsAddressBook(const Request& request)
{
    const PrintModeRow* row = printModeRow(request.mode);
    return row && row->needsAddressBook(request);
}

QString print(PrinterPage& target, const Request& request, const BookLoader& loadBook)
{
    const PrintModeRow* row = printModeRow(request.mode);
    ShiftedPage page(target, request.offsetX, request.offsetY);
    if (row)
        page.setPageSetup(row->pageSetup(request));
    const int sets = page.printsCopies() ? 1 : request.copies;
    page.setUnit(PrinterPage::Unit::Millimetres);
    page.setCopies(sets == 1 ? request.copies : 1);
    const std::optional<AddressBook> book = needsAddressBook(request) ? loadBook() : std::nullopt;

    PrintResult result;
    for (int set = 0; set < sets; ++set) {
        if (set > 0) {
            page.newPage();
            page.setUnit(PrinterPage::Unit::Millimetres);
        }
        if (row)
            result = row->build(page, request, book);
    }
    page.endDocument();
    return result.bookRead ? result.message : QString();
}

void printAlignmentSheet(PrinterPage& target, const QMarginsF& paperMargins, double offsetX, double offsetY)
{
    ShiftedPage page(target, offsetX, offsetY);
    page.setCopies(1);
    PrintTestvel(page, paperMargins, offsetX, offsetY);
    page.endDocument();
}

}
