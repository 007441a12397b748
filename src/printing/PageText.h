#pragma once
// Small drawing steps the page builders share.
#include "printing/PrinterPage.h"

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

}
