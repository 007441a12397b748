#pragma once
// One print job as the print window describes it.
#include "printing/PageBuilders.h"
#include "printing/PrintModes.h"

#include <QImage>
#include <QString>

namespace PrintRun {

struct Request {
    int mode = PrintMode::First;  // a PrintMode::Id, the value of the scroll bar
    int copies = 1;
    int year = 0;
    QImage card;                  // the print copy where the card has one
    bool addressSide = false;     // the card shows the address side
    bool withAddresses = false;   // addresses and sender on the address sides
    QString naam1;
    QString naam2;
    LabelSettings labels;
    double offsetX = 0;           // printer alignment in mm, see ShiftedPage
    double offsetY = 0;
};

}
