#pragma once
// One print job as the print window describes it.
#include "printing/PageBuilders.h"
#include "printing/PostcardPaper.h"
#include "printing/PrintModes.h"

#include <QImage>
#include <QMarginsF>
#include <QPageSize>
#include <QString>

namespace PrintRun {

struct Request {
    int mode = PrintMode::First;  // a PrintMode::Id, the value of the scroll bar
    int copies = 1;
    int year = 0;
    QImage card;                  // the print copy where the card has one; the front with bothSides
    bool bothSides = false;       // "Beide zijden": each sheet of fronts is followed by one of backs
    QImage back;                  // the back's print copy, for bothSides
    bool addressSide = false;     // the card shows the address side
    bool withAddresses = false;   // addresses and sender on the address sides
    QString naam1;
    QString naam2;
    QString naam3;                // the four cards of a perforated sheet
    QString naam4;
    LabelSettings labels;
    double offsetX = 0;           // printer alignment in mm, see ShiftedPage
    double offsetY = 0;
    double backOffsetX = 0;       // added on the backs only: what the turn or the duplex unit adds
    double backOffsetY = 0;
    // Postcard paper (modes that choose their paper).
    PostcardPaper::Id paper = PostcardPaper::A6;
    bool borderless = false;      // "Randloos"
    QPageSize printerPaper;       // the printer's own size for it; invalid: the plain size
    QMarginsF margins;            // what the printer cannot print, mm, on the landscape page
};

}
