#pragma once
// The page builders: each composes one kind of A4 sheet on a printer page.
// Modes 1 to 4, 6 and 7 expect the page in millimetres, the calendar in twips;
// the caller sets the unit and the copies, and ends the document afterwards.
#include "addressbook/AddressFile.h"
#include "printing/PrinterPage.h"
#include "printing/StockPictures.h"

#include <QImage>
#include <QString>

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
    QString message;        // "Print 3 adressen" / "Print 3 etiketten"; empty when !bookRead
};

// A whole number as the printer prints it: one leading space where a minus
// sign would stand (" 51", "-3").
QString printNumberText(long long number);

// The ten cut marks around the two card slots and the cut instruction.
void PrintKnipLijnen(PrinterPage& page);

// Mode 1: the card twice, cut marks and the turn-over instruction.
void PrintTweeKaarten(PrinterPage& page, const QImage& card);

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
