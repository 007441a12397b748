#pragma once
// One print job of the print window, apart from the window: the captions of
// the modes, the checks on typed copies and years, and the run that sets up
// the page, calls the builder of the mode and ends the document.
#include "addressbook/AddressFile.h"
#include "printing/PrintModes.h"
#include "printing/PrintRequest.h"

#include <QMarginsF>

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

namespace PrintRun {

constexpr int FirstMode = PrintMode::First;
constexpr int LastMode = PrintMode::Last;
constexpr int MaxCopies = 10;
// The calendar follows the Gregorian rules, so it starts where they do.
constexpr int FirstYear = 1583;
constexpr int LastYear = 9999;

// The caption of a mode in the information label, in the language shown.
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
// This text and the run's texts below are the Dutch sources; translated()
// gives them in the language shown.
extern const QString NoAddressBookMessage;
QString translated(const QString& source);

// The sides of a sheet.
enum class Side { Front, Back };
// What one job prints of two-sided sheets: fronts and backs alternately (a
// device that prints both sides or a PDF file), or one side of every sheet
// (a pass through a printer that prints one side). One-sided jobs are Fronts.
enum class Pass { Alternating, Fronts, Backs };
// The sides of the pages of one job in the order they are printed, `sets`
// sets of one sheet each.
QList<Side> pageOrder(Pass pass, int sets);

// Whether the request prints both sides of its sheets: "Beide zijden" in a
// mode that has backs (1, 8 and 9).
bool printsBothSides(const Request& request);
// What the run says when the user stops after the fronts.
extern const QString FrontsOnlyMessage;
// The turn question: its title and text.
extern const QString TurnTitle;
extern const QString TurnQuestion;

// Prints `request` on `page`, everything moved by the request's offset: the
// paper of the mode, millimetres (twips for the calendar), the copies, the builder of the mode,
// end of document. A page that makes no copies itself (a PDF file) gets the
// whole set of pages once per copy. The address book is loaded once, only by
// the modes that print addresses.
// A two-sided request prints each sheet of fronts followed by its backs
// (mirrored, with the back offset added) in one job when the page takes both
// sides (printBothSides), each copy its own pair of pages; otherwise, or when
// that job fails, the fronts as one job, then the turn question (through
// Dialogs, over `parent`), and on Ja the backs as a second job.
// Gives the builder's result message, FrontsOnlyMessage (translated) when the
// user stopped after the fronts, or an empty text.
QString print(PrinterPage& page, const Request& request, const BookLoader& loadBook, QWidget* parent = nullptr);

// Prints the two-sided alignment sheet on `page` (its origin `paperMargins`
// inside the paper) as print() prints two-sided sheets: the printer offset on
// both pages, the back offset added on the back.
void printAlignmentSheet(PrinterPage& page, const QMarginsF& paperMargins, double offsetX, double offsetY,
                         double backOffsetX = 0, double backOffsetY = 0, QWidget* parent = nullptr);

}
