#pragma once
// The print modes of the print window, one row each: what the window shows
// for a mode, the paper it needs, the builder that draws its sheets and the
// sample picture. The window, the print run, the preview and the sample all
// read this table; a new mode is a new row.
#include "addressbook/AddressFile.h"
#include "printing/PageBuilders.h"
#include "printing/PageSetup.h"

#include <QString>

#include <optional>

class DrawingSurface;
class PrinterPage;
class QImage;
namespace PrintRun {
struct Request;
}

// The modes, in the order of the scroll bar; the value is the scroll bar's.
namespace PrintMode {
enum Id : int {
    TweeKaarten = 1,   // the card twice with cut marks, or two address sides
    DubbelLiggend,     // double card, landscape
    DubbelStaand,      // double card, portrait
    Envelop,           // envelope template
    Kalender,          // year calendar
    AdresLijst,        // address list
    Etiketten,         // label sheet
    Kaartpapier,       // one card on postcard paper of its own size
    VierOpA4,          // four cards on a perforated A4 sheet
    First = TweeKaarten,
    Last = VierOpA4,
};
}

// What the window's choices are, as far as captions depend on them.
struct PrintChoices {
    bool addressSide = false;   // the card shows the address side
    int labelsPerSheet = 0;
    bool bothSides = false;     // "Beide zijden" is ticked
};

// The controls a mode shows besides the copies.
enum ExtraControl : unsigned {
    NoExtraControls = 0,
    AddressCheck = 1,     // Check1, when the card shows the address side or both sides print
    YearChoice = 2,       // Combo2 with its caption Label5
    PaperChoice = 4,      // ComboPapier, the postcard paper
    BorderlessChoice = 8, // CheckRandloos
    FourNames = 16,       // ComboNaam3 and ComboNaam4 join the two name lists
    BothSides = 32,       // CheckDubbelzijdig, the fronts and the backs
};

// The paper a mode asks the printer for, and its name in messages.
struct PaperWish {
    QPageSize size;
    QString caption;
};

struct PrintModeRow {
    PrintMode::Id mode;
    // The text of the information label, in the language shown.
    QString (*caption)(const PrintChoices& choices);
    unsigned extraControls;   // ExtraControl flags
    // The paper and page position for a job of this mode.
    PageSetup (*pageSetup)(const PrintRun::Request& request);
    // The paper to look for among the printer's sizes first; null for modes
    // that print on A4 whatever the printer says.
    PaperWish (*paperWish)(const PrintRun::Request& request);
    // Whether the job prints addresses from the address book.
    bool (*needsAddressBook)(const PrintRun::Request& request);
    // Draws the sheets of one copy on a page in millimetres.
    PrintResult (*build)(PrinterPage& page, const PrintRun::Request& request,
                         const std::optional<AddressBook>& book);
    // Draws the sample sheet on the window's small preview, already cleared;
    // null for modes whose picture shows the sheets the builder draws.
    void (*sample)(DrawingSurface& preview, const QImage& card, int currentYear);
};

// The row of a mode, or null for a value that is no mode.
const PrintModeRow* printModeRow(int mode);
