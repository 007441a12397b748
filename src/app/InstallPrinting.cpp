#include "app/Subsystems.h"

#include "addressbook/AddressFile.h"
#include "app/Main.h"
#include "editor/TextSelection.h"
#include "platform/BusyGuard.h"
#include "platform/Settings.h"
#include "printing/Afdrukken.h"
#include "printing/Printmarges.h"
#include "printing/SessionPrinter.h"

#include <QAction>
#include <QScrollBar>

void installPrinting(Main& main)
{
    // The printer chosen in the set-up dialog lives as long as the main window.
    auto* printer = new SessionPrinter(&main);
    printer->setObjectName("CommonDialog");

    QObject::connect(main.FilePrint, &QAction::triggered, &main, [&main, printer] {
        finishTextEditing(main.context()); // the print copy of a text just changed
        const BusyGuard busy(BusyGuard::Kind::Hold);
        Afdrukken window(main.state, main.printSettings, main.card, *printer, [] { return AddressFile::load(); }, &main);
        window.setSides({main.state.side, [&main](CardSide side, bool printCopy) { return main.sidePicture(side, printCopy); }});
        window.exec();
        // The next opening, in this run or a later one, starts at the mode last shown.
        main.printSettings.printMode = window.VScroll1->value();
        Settings::setPrintMode(main.printSettings.printMode);
    });
    QObject::connect(main.FileSetupPrinter, &QAction::triggered, &main, [&main, printer] {
        const BusyGuard busy(BusyGuard::Kind::Hold);
        printer->setup(&main);
    });
    QObject::connect(main.FilePrintMarges, &QAction::triggered, &main, [&main, printer] {
        const BusyGuard busy(BusyGuard::Kind::Hold);
        Printmarges window(main.printSettings, &main);
        window.setPrinter(printer);
        window.exec();
    });
}
