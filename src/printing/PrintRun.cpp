#include "printing/PrintRun.h"

#include "platform/CardSurface.h"
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
    switch (mode) {
    case 1:
        return addressSide ? QStringLiteral("2 Adreszijden voor de achterzijde van de kaart")
                           : QStringLiteral("2 Dezelfde prentvellen");
    case 2: return QStringLiteral("Dubbele kaart in Landscape mode (liggend)");
    case 3: return QStringLiteral("Dubbele kaart in Portret mode (staand)");
    case 4: return QStringLiteral("Envelop 155 x 110 mm voor de prentvellen");
    case 5: return QStringLiteral("Jaarkalender met het geselecteerde jaar");
    case 6: return QStringLiteral("Lijst met het ingevoerde adressenbestand");
    case 7: return QStringLiteral("Print %1 etiketten per vel met adressenbestand").arg(labelsPerSheet);
    default: return QString();
    }
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

namespace {
// The back panels are drawn at the resolution of the card they go with.
int backPanelScale(const QImage& card)
{
    return std::max(1, card.width() / CardSurface::CardWidth);
}
}

bool needsAddressBook(const Request& request)
{
    return (request.mode == 1 && request.addressSide && request.withAddresses) || request.mode == 6 || request.mode == 7;
}

namespace {

PrintResult drawMode(PrinterPage& page, const Request& request, const std::optional<AddressBook>& book)
{
    switch (request.mode) {
    case 1:
        if (request.addressSide)
            PrintAdresZijden(page, request.card, request.withAddresses ? book : std::nullopt, request.naam1,
                             request.naam2);
        else
            PrintTweeKaarten(page, request.card);
        break;
    case 2: PrintDubbelLiggend(page, request.card, StockPictures::Achterkant(backPanelScale(request.card))); break;
    case 3: PrintDubbelStaand(page, request.card, StockPictures::Portret(backPanelScale(request.card))); break;
    case 4: PrintEnvelop(page); break;
    case 5:
        page.setUnit(PrinterPage::Unit::Twips);
        PrintKalender(page, request.year, request.card);
        break;
    case 6: return PrintAdresLijst(page, book);
    case 7: return PrintEtiketten(page, book, request.labels);
    default: break;
    }
    return {};
}

}

QString print(PrinterPage& target, const Request& request, const BookLoader& loadBook)
{
    ShiftedPage page(target, request.offsetX, request.offsetY);
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
        result = drawMode(page, request, book);
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
