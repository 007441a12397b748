#include "printing/PrintRun.h"

#include "platform/Dialogs.h"
#include "printing/AlignmentSheet.h"
#include "printing/ShiftedPage.h"
#include "printing/TurnPicture.h"

#include <QCoreApplication>
#include <QPageLayout>

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
    return addressSide ? QCoreApplication::translate("PrintModes", "2 Adreszijden met adressen uit het bestand")
                       : QCoreApplication::translate("PrintModes", "2 Dezelfde prentvellen");
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

const QString NoAddressBookMessage = QString::fromUtf8(
    QT_TRANSLATE_NOOP("PrintRun", "Er is nog geen adressenbestand. Vul het eerst via Tools > Adressenbestand."));

const QString FrontsOnlyMessage = QString::fromUtf8(QT_TRANSLATE_NOOP("PrintRun", "Alleen de voorkanten zijn geprint."));
const QString TurnTitle = QString::fromUtf8(QT_TRANSLATE_NOOP("PrintRun", " Beide zijden"));
const QString TurnQuestion = QString::fromUtf8(QT_TRANSLATE_NOOP(
    "PrintRun",
    "Leg de bedrukte vellen terug in de papierlade zoals op het plaatje, en klik op Ja om de achterkanten te printen."));

QString translated(const QString& source)
{
    return QCoreApplication::translate("PrintRun", source.toUtf8().constData());
}

bool printsBothSides(const Request& request)
{
    const PrintModeRow* row = printModeRow(request.mode);
    return request.bothSides && row && (row->extraControls & BothSides);
}

namespace {

// One side of a two-sided sheet as the mode's builder sees it: the front
// without addresses, the back as an address side.
Request sideRequest(const Request& request, Side side)
{
    if (!printsBothSides(request))
        return request;
    Request sideOnly = request;
    sideOnly.addressSide = side == Side::Back;
    if (side == Side::Back)
        sideOnly.card = request.back;
    return sideOnly;
}

// What every job of a run has in common.
struct Job {
    PageSetup setup;
    int copies = 1;
    double offsetX = 0, offsetY = 0;
    double backOffsetX = 0, backOffsetY = 0;
    std::function<PrintResult(PrinterPage&, Side)> build;
};

// One job: the fronts on the target moved by the printer offset, the backs
// mirrored and moved by both offsets, in the order of the pass.
PrintResult printPass(PrinterPage& target, const Job& job, Pass pass)
{
    ShiftedPage front(target, job.offsetX, job.offsetY);
    ShiftedPage shiftedBack(target, job.offsetX + job.backOffsetX, job.offsetY + job.backOffsetY);
    front.setPageSetup(job.setup);
    shiftedBack.setPageSetup(job.setup);
    const double paperWidth = QPageLayout(job.setup.paper, job.setup.orientation, QMarginsF())
                                  .fullRect(QPageLayout::Millimeter)
                                  .width();
    const double originLeft = job.setup.fullPage ? 0 : target.paperMargins().left();
    MirroredPage back(shiftedBack, paperWidth / 2 - originLeft);

    // Alternating sides are repeated here, so no device collates them.
    const int sets = pass == Pass::Alternating || !front.printsCopies() ? job.copies : 1;
    front.setUnit(PrinterPage::Unit::Millimetres);
    front.setCopies(sets == 1 ? job.copies : 1);
    PrintResult result;
    const QList<Side> order = pageOrder(pass, sets);
    for (int i = 0; i < order.size(); ++i) {
        PrinterPage& page = order[i] == Side::Front ? static_cast<PrinterPage&>(front) : back;
        if (i > 0)
            page.newPage();
        page.setUnit(PrinterPage::Unit::Millimetres);
        const PrintResult built = job.build(page, order[i]);
        if (order[i] == Side::Front)
            result = built;
    }
    front.endDocument();
    return result;
}

QString message(const PrintResult& result)
{
    return result.bookRead ? result.message : QString();
}

// Fronts and backs in one job when the page takes them; otherwise, or when
// that job fails, in two passes with the turn question between.
QString printTwoSided(PrinterPage& page, const Job& job, QWidget* parent)
{
    const bool landscape = job.setup.orientation == QPageLayout::Landscape;
    if (page.printBothSides(landscape)) {
        const PrintResult result = printPass(page, job, Pass::Alternating);
        // A printer that would not take the two-sided job gets the sheets again in two passes.
        if (!page.failed() || !page.startAnotherJob())
            return message(result);
    }
    const PrintResult result = printPass(page, job, Pass::Fronts);
    if (page.failed())
        return message(result);
    if (!Dialogs::askYesNoWithPicture(parent, translated(TurnQuestion), translated(TurnTitle),
                                      turnSheetsPicture(landscape))
        || !page.startAnotherJob())
        return translated(FrontsOnlyMessage);
    printPass(page, job, Pass::Backs);
    return message(result);
}

}

QList<Side> pageOrder(Pass pass, int sets)
{
    QList<Side> order;
    for (int set = 0; set < sets; ++set) {
        if (pass != Pass::Backs)
            order << Side::Front;
        if (pass != Pass::Fronts)
            order << Side::Back;
    }
    return order;
}

bool needsAddressBook(const Request& request)
{
    const PrintModeRow* row = printModeRow(request.mode);
    return row && (row->needsAddressBook(request) || row->needsAddressBook(sideRequest(request, Side::Back)));
}

QString print(PrinterPage& page, const Request& request, const BookLoader& loadBook, QWidget* parent)
{
    const PrintModeRow* row = printModeRow(request.mode);
    const std::optional<AddressBook> book = needsAddressBook(request) ? loadBook() : std::nullopt;
    Job job;
    if (row)
        job.setup = row->pageSetup(request);
    job.copies = request.copies;
    job.offsetX = request.offsetX;
    job.offsetY = request.offsetY;
    job.backOffsetX = request.backOffsetX;
    job.backOffsetY = request.backOffsetY;
    job.build = [&](PrinterPage& target, Side side) {
        return row ? row->build(target, sideRequest(request, side), book) : PrintResult{};
    };
    if (!printsBothSides(request))
        return message(printPass(page, job, Pass::Fronts));
    return printTwoSided(page, job, parent);
}

void printAlignmentSheet(PrinterPage& page, const QMarginsF& paperMargins, double offsetX, double offsetY,
                         double backOffsetX, double backOffsetY, QWidget* parent)
{
    Job job;
    job.offsetX = offsetX;
    job.offsetY = offsetY;
    job.backOffsetX = backOffsetX;
    job.backOffsetY = backOffsetY;
    job.build = [&](PrinterPage& target, Side side) {
        if (side == Side::Front)
            PrintTestvel(target, paperMargins, offsetX, offsetY);
        else
            PrintTestvelAchterkant(target, paperMargins, backOffsetX, backOffsetY);
        return PrintResult{};
    };
    printTwoSided(page, job, parent);
}

}
