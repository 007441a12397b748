#pragma once
// Contacts that people bring from their mail program, phone or online contact
// service: CSV and vCard files read into address records, and the records
// written back out in either form.
#include "addressbook/AddressFile.h"

#include <QList>
#include <QString>

struct ContactImport {
    QList<AddressRecord> records;  // in file order, fields trimmed and as in the file (no letter replacement), "-" for an empty field as the window stores it
    int withoutAddress = 0;        // contacts skipped because they had no address
    QString error;                 // empty on success; a Dutch sentence otherwise, and then records is empty
};

namespace Contacts {
ContactImport importFile(const QString& path);   // .csv or .vcf, by content where the extension is missing
bool exportFile(const QList<AddressRecord>& records, const QString& path);  // .vcf writes vCard 3.0, anything else CSV
QString toWindows1252Letters(const QString& text);  // the nearest-letter replacement of item 4
}
