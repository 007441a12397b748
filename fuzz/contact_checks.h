#pragma once
// What every contact reader must give for any bytes: either an error and no
// records, or records whose fields are stored as the address book stores them
// (trimmed, one line, "-" when empty) and that its writer and reader give back
// unchanged.
#include "addressbook/AddressBookLimits.h"
#include "addressbook/Contacts.h"

#include <cstdlib>

namespace ContactChecks {

inline bool storedAsTheBookDoes(const QString& field)
{
    return !field.isEmpty() && field.trimmed() == field && !field.contains(QLatin1Char('\n'))
        && !field.contains(QLatin1Char('\r'));
}

inline bool sameRecords(const QList<AddressRecord>& a, const QList<AddressRecord>& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype k = 0; k < a.size(); ++k) {
        if (a[k].naam != b[k].naam || a[k].adres != b[k].adres || a[k].postcodeWoonplaats != b[k].postcodeWoonplaats
            || a[k].land != b[k].land)
            return false;
    }
    return true;
}

template <typename Read, typename Write>
void check(const QByteArray& bytes, Read read, Write write)
{
    const ContactImport result = read(bytes);
    if (!result.error.isEmpty()) {
        if (!result.records.isEmpty())
            std::abort();
        return;
    }
    if (result.records.size() + result.withoutAddress > AddressBookLimits::MaxRecords)
        std::abort();
    for (const AddressRecord& record : result.records) {
        for (const QString& field : {record.naam, record.adres, record.postcodeWoonplaats, record.land}) {
            if (!storedAsTheBookDoes(field))
                std::abort();
        }
        if (record.naam == QLatin1String("-") || (record.adres == QLatin1String("-")
                                                  && record.postcodeWoonplaats == QLatin1String("-")))
            std::abort();
    }
    if (result.records.isEmpty())
        return;
    const QList<AddressRecord>& expected = result.records;
    const ContactImport again = read(write(expected));
    // Text that only passed for its share of control characters may fail once
    // the columns that were not read are gone.
    if (again.error.startsWith(QLatin1String("Het bestand is geen tekstbestand")))
        return;
    if (!again.error.isEmpty() || again.withoutAddress != 0 || !sameRecords(again.records, expected))
        std::abort();
}

}
