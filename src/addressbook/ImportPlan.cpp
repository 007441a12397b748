#include "addressbook/ImportPlan.h"

#include "addressbook/AddressBookLimits.h"
#include "addressbook/AddressFileFormat.h"

#include <QCoreApplication>
#include <QSet>

namespace {

struct ContactsText {
    Q_DECLARE_TR_FUNCTIONS(Contacts)
};

QString key(const AddressRecord& record)
{
    const auto part = [](const QString& field) {
        return Contacts::toWindows1252Letters(field).trimmed().toCaseFolded();
    };
    return part(record.naam) + QLatin1Char('\n') + part(record.adres);
}

AddressRecord withNearestLetters(const AddressRecord& record)
{
    return {Contacts::toWindows1252Letters(record.naam), Contacts::toWindows1252Letters(record.adres),
            Contacts::toWindows1252Letters(record.postcodeWoonplaats), Contacts::toWindows1252Letters(record.land)};
}

bool sameFields(const AddressRecord& a, const AddressRecord& b)
{
    return a.naam == b.naam && a.adres == b.adres && a.postcodeWoonplaats == b.postcodeWoonplaats && a.land == b.land;
}

// One byte per character and CR LF after every line, as the file is written.
long long fileBytes(const AddressBook& book)
{
    const qsizetype lineEnd = 2;
    const qsizetype separatorLine = qsizetype(sizeof AddressFileFormat::separator) - 1 + lineEnd;
    long long bytes = book.senderLine.size() + lineEnd + separatorLine;
    for (const AddressRecord& record : book.records) {
        bytes += record.naam.size() + record.adres.size() + record.postcodeWoonplaats.size() + record.land.size()
            + 4 * lineEnd + separatorLine;
    }
    return bytes;
}

}

namespace ImportPlan {

Plan make(const AddressBook& book, const ContactImport& imported)
{
    Plan plan;
    plan.found = int(imported.records.size()) + imported.withoutAddress;
    plan.withoutAddress = imported.withoutAddress;
    QSet<QString> known;
    for (const AddressRecord& record : book.records)
        known.insert(key(record));
    for (const AddressRecord& record : imported.records) {
        const AddressRecord replaced = withNearestLetters(record);
        if (known.contains(key(replaced))) {
            ++plan.alreadyThere;
            continue;
        }
        known.insert(key(replaced));
        if (!sameFields(record, replaced))
            ++plan.lettersReplaced;
        plan.toAdd.append(replaced);
    }
    AddressBook grown = book;
    grown.records += plan.toAdd;
    plan.overLimit = !fits(grown);
    return plan;
}

QString summary(const Plan& plan)
{
    const QString counts = ContactsText::tr("Gevonden adressen: %1\n"
                                            "Al in het adresboek (overgeslagen): %2\n"
                                            "Zonder adres (overgeslagen): %3\n"
                                            "Met vervangen letters: %4")
                               .arg(plan.found)
                               .arg(plan.alreadyThere)
                               .arg(plan.withoutAddress)
                               .arg(plan.lettersReplaced);
    const QString conclusion =
        plan.toAdd.isEmpty() ? ContactsText::tr("Er is geen nieuw adres om toe te voegen.")
                             : ContactsText::tr("Wilt u %n nieuwe adressen aan het adresboek toevoegen?", nullptr,
                                                int(plan.toAdd.size()));
    return QStringLiteral("%1\n\n%2").arg(counts, conclusion);
}

QString overLimitMessage()
{
    return ContactsText::tr("Het adresboek kan niet meer dan %1 adressen (%2 MB) bewaren. Er is niets toegevoegd.")
        .arg(AddressBookLimits::MaxRecords)
        .arg(AddressBookLimits::MaxFileBytes / (1024 * 1024));
}

bool fits(const AddressBook& book)
{
    return book.records.size() <= AddressBookLimits::MaxRecords && fileBytes(book) <= AddressBookLimits::MaxFileBytes;
}

}
