#pragma once
// One print job of the print window, apart from the window: the captions of
// the modes, the checks on typed copies and years, and the run that sets up
// the page, calls the builder of the mode and ends the document.
#include "addressbook/AddressFile.h"
#include "printing/PrintModes.h"
#include "printing/PrintRequest.h"

#include <QMarginsF>

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace PrintRun {

constexpr int FirstMode = PrintMode::First;
constexpr int LastMode = PrintMode::Last;
constexpr int MaxCopies = 10;
// The calendar follows the Gregorian rules, so it starts where they do.
constexpr int FirstYear = 1583;
constexpr int LastYear = 9999;

// The caption of a mode in the information label.
QString modeCaption(int mode, bool addressSide, int labelsPerSheet);
// The mode 1 caption when the window opens.
QString openingCaption(bool addressSide);

// A whole number of copies from 1 to MaxCopies, or nothing.
std::optional<int> copies(const QString& text);
// A year the calendar can print, or nothing.
std::optional<int> year(const QString& text);
// The years the list offers: 2009 up to ten years after `currentYear`.
QStringList yearItems(int currentYear);


using BookLoader = std::function<std::optional<AddressBook>()>;

// Whether the request prints addresses from the address book.
bool needsAddressBook(const Request& request);
// What Print and Voorbeeld say when such a request finds no address book.
extern const QString NoAddressBookMessage;

// Prints `request` on `page`, everything moved by the request's offset: the
// paper of the mode, millimetres (twips for the calendar), the copies, the builder of the mode,
// end of document. A page that makes no copies itself (a PDF file) gets the
// whole set of pages once per copy. The address book is loaded once, only by
// the modes that print addresses. Gives the builder's result message, or an
// empty text when it leaves none.
QString print(PrinterPage& page, const Request& request, const BookLoader& loadBook);

// Prints the alignment sheet on `page`, moved by the offset, and ends the document.
void printAlignmentSheet(PrinterPage& page, const QMarginsF& paperMargins, double offsetX, double offsetY);

}
