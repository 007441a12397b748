#pragma once
// Small drawing steps the page builders share.
#include "addressbook/AddressFile.h"
#include "printing/PrinterPage.h"

#include <array>

#include <QColor>
#include <QString>

namespace PageText {

inline const QString arial = QStringLiteral("Arial");
inline const QColor black(0, 0, 0);

// Prints text with its first character's top-left corner at (x, y).
inline void printAt(PrinterPage& page, double x, double y, const QString& text)
{
    page.setPosition(x, y);
    page.printText(text);
}

// The address book keeps an empty field as "-"; on a card or label it prints as nothing.
inline QString blankDash(const QString& field)
{
    return field == QLatin1String("-") ? QString() : field;
}

// One recipient block of an address side: name, street, town, country.
using AddressCells = std::array<QString, 4>;

inline AddressCells cellsOf(const AddressRecord& record)
{
    return {blankDash(record.naam), blankDash(record.adres), blankDash(record.postcodeWoonplaats),
            blankDash(record.land)};
}

// The block of the last record named `naam`; empty when there is none.
inline AddressCells recipientCells(const AddressBook& book, const QString& naam)
{
    AddressCells found;
    for (const AddressRecord& record : book.records) {
        const AddressCells cells = cellsOf(record);
        if (cells[0] == naam)
            found = cells;
    }
    return found;
}

}
