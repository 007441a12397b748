#pragma once
// The page builders: each composes one kind of sheet on a printer page. The
// calendar expects the page in twips, the others in millimetres; the caller
// sets the paper, the unit and the copies, and ends the document afterwards.
#include "addressbook/AddressFile.h"
#include "printing/PrinterPage.h"
#include "printing/StockPictures.h"

#include <QImage>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The printed size of a card image: 563 x 398 units of 1/96 inch, in mm.
struct CardPrintSize {
    static constexpr double width = 148.96;
    static constexpr double height = 105.31;
};

// The label sheet geometry in millimetres (A, B, C, D) and labels per sheet.
struct LabelSettings {
    double left = 12;     // A: sheet's left edge to the label text
    double top = 20;      // B: sheet's top edge to the label text
    double width = 66;    // C: horizontal step between labels
    double height = 38;   // D: vertical step between label rows
    int perSheet = 21;
};

// What the address list and label sheet report back to the print window.
struct PrintResult {
    bool bookRead = false;  // false: no address book, nothing was reported
    int count = 0;          // addresses or labels printed
    QString message;        // "Print 3 adressen" / "Print 3 etiketten", translated; empty when !bookRead
};

// A whole number as the printer prints it: one leading space where a minus
// sign would stand (" 51", "-3").
QString printNumberText(long long number);

// The ten cut marks around the two card slots and the cut instruction.
void PrintKnipLijnen(PrinterPage& page);

// Mode 1: the card twice, cut marks and, unless the backs follow in the same
// job, the turn-over instruction.
void PrintTweeKaarten(PrinterPage& page, const QImage& card, bool turnInstruction = true);

// Mode 1 when the card is the address side: the card twice, then, when a book
// is given, the addresses of the last records named naam1 and naam2 and the
// sender line on both sides. Pass no book when addresses are not wanted or
// the address file could not be read.
void PrintAdresZijden(PrinterPage& page, const QImage& card, const std::optional<AddressBook>& book,
                      const QString& naam1, const QString& naam2);

// Mode 2: the back panel on top, the card below, cut marks.
void PrintDubbelLiggend(PrinterPage& page, const QImage& card,
                        const QImage& achterkant = StockPictures::Achterkant());

// Mode 3: the card on top, the portrait back panel below, cut marks.
void PrintDubbelStaand(PrinterPage& page, const QImage& card,
                       const QImage& portret = StockPictures::Portret());

// Mode 4: the envelope template.
void PrintEnvelop(PrinterPage& page);

// Mode 5 (twips): a year calendar with the card on it.
void PrintKalender(PrinterPage& page, int year, const QImage& card);

// A rectangle as four lines, as the calendar draws its boxes.
void PrintKader(PrinterPage& page, double x1, double y1, double x2, double y2);

// Column of 1 January (Sunday 0 .. Saturday 6) and the length of February.
struct CalendarYear {
    int januaryOffset = 0;
    int februaryDays = 28;
};
CalendarYear calendarYear(int year);

// Mode 6: the numbered address list, fifty rows a page. The heading is printed
// even without a book.
PrintResult PrintAdresLijst(PrinterPage& page, const std::optional<AddressBook>& book);

// Mode 7: every address on a label sheet.
PrintResult PrintEtiketten(PrinterPage& page, const std::optional<AddressBook>& book,
                           const LabelSettings& settings);

// A sheet of postcard paper as the page builders see it: the page is the whole
// sheet, lying landscape, in mm.
struct PostcardPage {
    QSizeF sheet;               // width and height of the landscape page
    bool borderless = false;    // print to the edges ("Randloos")
    QMarginsF margins;          // what the printer cannot print, on this page
};

// The bleed beyond the sheet's edges of a borderless single card, in mm.
constexpr double PostcardBleed = 1;

// The whole card, keeping the shape of `shape`, scaled to cover `target` and
// centred on it (it overhangs on two sides), or to fit inside `area` centred
// on `centre`.
QRectF coverRect(const QSizeF& shape, const QRectF& target);
QRectF fitRect(const QSizeF& shape, const QRectF& area, const QPointF& centre);

// Where the card of a single-card sheet lies (whole, perhaps overhanging),
// and the part of it that is printed.
struct CardOnSheet {
    QRectF card;
    QRectF printed;
};
CardOnSheet singleCardPlace(const QSizeF& shape, const PostcardPage& paper);
// The four equal slots of a perforated sheet: top left, top right, bottom
// left, bottom right.
std::array<QRectF, 4> perforatedSlots(const QSizeF& sheet);

// Mode 8: one card on a sheet of its own size; borderless, it covers the sheet
// and a bleed, otherwise it fits inside the printable area, centred on the
// sheet. With a book, the card is an address side: the recipient named `naam`
// and the sender, where an address side has them, scaled with the card.
void PrintKaartpapier(PrinterPage& page, const QImage& card, const PostcardPage& paper,
                      const std::optional<AddressBook>& book = std::nullopt, const QString& naam = QString());

// Mode 9: the card in each of four slots of a perforated A4 sheet, each slot
// covered and the card trimmed, no cut marks. With a book, four address
// sides, recipient i from `names`[i] and the sender on every card.
void PrintVierKaarten(PrinterPage& page, const QImage& card, const PostcardPage& paper,
                      const std::optional<AddressBook>& book = std::nullopt, const QStringList& names = {});
