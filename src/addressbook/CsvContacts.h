#pragma once
// Contacts as comma-separated values: the reader for the exports of mail
// programs and online contact services, and the writer of the address book.
#include "addressbook/Contacts.h"

#include <QByteArray>
#include <QStringList>

namespace CsvContacts {

// Reads the contacts of a CSV file. The separator (comma, semicolon or tab) is
// the one the header row uses most; the columns are found from their names in
// the header, see columnNames().
ContactImport read(const QByteArray& bytes);

// UTF-8 with a byte order mark, semicolons, a header row, a field quoted when
// it holds a semicolon, a quote, a line break or blanks at either end. A field
// stored as "-" is written empty.
QByteArray write(const QList<AddressRecord>& records);

// The header names the reader knows, one entry per kind of column, for the
// manual and the tests: the kind ("Naam", "Voornaam", ...) and its names.
struct ColumnKind {
    QString kind;
    QStringList names;
};
QList<ColumnKind> columnNames();

}
