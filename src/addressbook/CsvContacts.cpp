#include "addressbook/CsvContacts.h"

#include "addressbook/ContactText.h"

#include <QCoreApplication>

#include <array>

namespace {

enum class Role { FullName, Given, Middle, Family, Organisation, Street, PostalCode, City, PlaceLine, Country };
constexpr int roleCount = int(Role::Country) + 1;

// The parts of a name stand in for one another: a partial match for one is
// only sought when no name column matched exactly, so that "Company Name" is
// not taken for the name beside "First Name" and "Last Name".
bool isNamePart(Role role)
{
    return role == Role::FullName || role == Role::Given || role == Role::Middle || role == Role::Family;
}

struct Column {
    Role role;
    const char* kind;
    std::initializer_list<const char*> names;  // most specific first
};

// The header names of the exports of common mail programs and contact
// services, in English and Dutch. The manual repeats this table.
const std::array<Column, roleCount> columns = {{
    {Role::FullName, "Naam", {"Name", "Naam", "Display Name", "Full Name", "Weergavenaam", "Volledige naam"}},
    {Role::Given, "Voornaam", {"First Name", "Given Name", "Voornaam"}},
    {Role::Middle, "Tussennaam", {"Middle Name", "Additional Name", "Middelste naam", "Tussenvoegsel"}},
    {Role::Family, "Achternaam", {"Last Name", "Family Name", "Achternaam"}},
    {Role::Organisation, "Bedrijf", {"Company", "Organization", "Organisation", "Organization 1 - Name", "Bedrijf"}},
    {Role::Street, "Adres", {"Home Street", "Home Address", "Address 1 - Street", "Street", "Straat",
                             "Straat (privé)", "Address", "Adres"}},
    {Role::PostalCode, "Postcode", {"Home Postal Code", "Home ZipCode", "Address 1 - Postal Code", "Postal Code",
                                    "ZIP Code", "Zip", "Postcode", "Postcode (privé)"}},
    {Role::City, "Woonplaats", {"Home City", "Address 1 - City", "City", "Woonplaats", "Plaats", "Plaats (privé)"}},
    {Role::PlaceLine, "Postcode en Woonplaats", {"Postcode en Woonplaats"}},
    {Role::Country, "Land", {"Home Country/Region", "Home Country", "Address 1 - Country", "Country", "Land",
                             "Land/regio (privé)"}},
}};

// Headers that name an address or name word but hold something else.
const std::array<const char*, 9> notAContactField = {"mail", "phone", "telefoon", "fax", "web", "type",
                                                     "formatted", "yomi", "phonetic"};

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber();
}

// `header` holds `name` as whole words.
bool holdsWords(const QString& header, const QString& name)
{
    for (qsizetype at = header.indexOf(name); at >= 0; at = header.indexOf(name, at + 1)) {
        const qsizetype end = at + name.size();
        if ((at == 0 || !isWordCharacter(header[at - 1])) && (end == header.size() || !isWordCharacter(header[end])))
            return true;
    }
    return false;
}

bool partialAllowed(const QString& header)
{
    for (const char* word : notAContactField) {
        if (header.contains(QLatin1String(word)))
            return false;
    }
    return true;
}

using ColumnIndexes = std::array<qsizetype, roleCount>;

ColumnIndexes findColumns(const QStringList& headerRow)
{
    QStringList header;
    for (const QString& cell : headerRow)
        header.append(cell.trimmed().toCaseFolded());
    ColumnIndexes found;
    found.fill(-1);
    QList<bool> taken(header.size(), false);
    bool nameMatched = false;

    const auto pass = [&](bool exact) {
        for (const Column& column : columns) {
            qsizetype& index = found[std::size_t(column.role)];
            if (index >= 0 || (!exact && nameMatched && isNamePart(column.role)))
                continue;
            for (const char* name : column.names) {
                const QString wanted = QString::fromUtf8(name).toCaseFolded();
                for (qsizetype i = 0; i < header.size() && index < 0; ++i) {
                    if (taken[i])
                        continue;
                    if (exact ? header[i] == wanted : holdsWords(header[i], wanted) && partialAllowed(header[i]))
                        index = i;
                }
                if (index >= 0)
                    break;
            }
            if (index >= 0) {
                taken[index] = true;
                nameMatched = nameMatched || (exact && isNamePart(column.role));
            }
        }
    };
    pass(true);
    pass(false);
    return found;
}

constexpr qsizetype maxColumns = 1000;

// Splits the text into rows of fields: quoted fields may hold separators,
// doubled quotes and line breaks. Fields past maxColumns are dropped.
class CsvScanner {
public:
    CsvScanner(const QString& text, QChar separator, qsizetype start)
        : text_(text), separator_(separator), position_(start)
    {
    }

    bool unbalanced() const { return unbalanced_; }

    // The next row; false at the end of the text or at an unclosed quote.
    bool next(QStringList& row)
    {
        row.clear();
        if (position_ >= text_.size())
            return false;
        QString field;
        bool startOfField = true;
        while (position_ < text_.size()) {
            const QChar c = text_[position_++];
            if (c == QLatin1Char('"') && startOfField) {
                if (!readQuoted(field))
                    return false;
                startOfField = false;
            } else if (c == separator_) {
                push(row, field);
                startOfField = true;
            } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
                if (c == QLatin1Char('\r') && position_ < text_.size() && text_[position_] == QLatin1Char('\n'))
                    ++position_;
                break;
            } else {
                field.append(c);
                // Blanks before an opening quote do not make the field unquoted.
                if (!c.isSpace())
                    startOfField = false;
            }
        }
        push(row, field);
        return true;
    }

private:
    const QString& text_;
    QChar separator_;
    qsizetype position_;
    bool unbalanced_ = false;

    bool readQuoted(QString& field)
    {
        field.clear();
        while (position_ < text_.size()) {
            const QChar c = text_[position_++];
            if (c != QLatin1Char('"')) {
                field.append(c);
            } else if (position_ < text_.size() && text_[position_] == QLatin1Char('"')) {
                field.append(c);
                ++position_;
            } else {
                return true;
            }
        }
        unbalanced_ = true;
        return false;
    }

    static void push(QStringList& row, QString& field)
    {
        if (row.size() < maxColumns)
            row.append(field);
        field.clear();
    }
};

// The separator the first line uses most, outside quotes; a comma when it has none.
QChar detectSeparator(const QString& text)
{
    int commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            break;
        else if (!quoted && c == QLatin1Char(','))
            ++commas;
        else if (!quoted && c == QLatin1Char(';'))
            ++semicolons;
        else if (!quoted && c == QLatin1Char('\t'))
            ++tabs;
    }
    if (tabs > semicolons && tabs > commas)
        return QLatin1Char('\t');
    return semicolons > commas ? QLatin1Char(';') : QLatin1Char(',');
}

QString cell(const QStringList& row, qsizetype index)
{
    return index >= 0 ? row.value(index) : QString();
}

ContactText::Contact contactFrom(const QStringList& row, const ColumnIndexes& at)
{
    const auto field = [&](Role role) { return cell(row, at[std::size_t(role)]); };
    ContactText::Contact contact;
    contact.name = field(Role::FullName).trimmed();
    if (contact.name.isEmpty())
        contact.name = ContactText::joined({field(Role::Given), field(Role::Middle), field(Role::Family)});
    if (contact.name.isEmpty())
        contact.name = field(Role::Organisation);
    contact.street = field(Role::Street);
    contact.postalCode = field(Role::PostalCode);
    contact.city = ContactText::joined({field(Role::City), field(Role::PlaceLine)});
    contact.country = field(Role::Country);
    return contact;
}

bool holdsOnlyBlanks(const QStringList& row)
{
    for (const QString& field : row) {
        if (!field.trimmed().isEmpty())
            return false;
    }
    return true;
}

QString unbalancedQuote()
{
    return QCoreApplication::translate(
        "Contacts", "Het bestand is onvolledig: een aanhalingsteken (\") wordt niet gesloten. Er is niets ingelezen.");
}

}

namespace CsvContacts {

ContactImport read(const QByteArray& bytes)
{
    QString error;
    const std::optional<QString> text = ContactText::readableText(bytes, error);
    if (!text)
        return ContactText::failure(error);

    // Spreadsheets may name the separator in a first line "sep=;".
    QChar separator = detectSeparator(*text);
    qsizetype start = 0;
    if (text->startsWith(QLatin1String("sep="), Qt::CaseInsensitive) && text->size() > 4) {
        separator = text->at(4);
        start = 5;
        while (start < text->size() && (text->at(start) == QLatin1Char('\r') || text->at(start) == QLatin1Char('\n')))
            ++start;
    }
    CsvScanner scanner(*text, separator, start);
    QStringList row;
    while (scanner.next(row) && holdsOnlyBlanks(row)) {
    }
    if (scanner.unbalanced())
        return ContactText::failure(unbalancedQuote());
    const ColumnIndexes at = findColumns(row);
    const auto has = [&](Role role) { return at[std::size_t(role)] >= 0; };
    if (!has(Role::FullName) && !has(Role::Given) && !has(Role::Family) && !has(Role::Organisation))
        return ContactText::failure(QCoreApplication::translate(
            "Contacts", "In de eerste regel van het bestand staat geen kolom met een naam, zoals \"Naam\" of \"Name\". "
                        "Er is niets ingelezen."));

    ContactImport result;
    while (scanner.next(row)) {
        if (!holdsOnlyBlanks(row) && !ContactText::add(result, contactFrom(row, at)))
            return result;
    }
    if (scanner.unbalanced())
        return ContactText::failure(unbalancedQuote());
    if (result.records.isEmpty() && result.withoutAddress == 0)
        return ContactText::failure(ContactText::noContacts());
    return result;
}

namespace {

QString csvField(const QString& stored)
{
    if (stored == QLatin1String("-"))
        return QString();
    const bool needsQuotes = stored.contains(QLatin1Char(';')) || stored.contains(QLatin1Char('"'))
        || stored.contains(QLatin1Char('\n')) || stored.contains(QLatin1Char('\r'))
        || (!stored.isEmpty() && (stored.front().isSpace() || stored.back().isSpace()));
    if (!needsQuotes)
        return stored;
    QString quoted = stored;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

}

QByteArray write(const QList<AddressRecord>& records)
{
    QString text = QStringLiteral("Naam;Adres;Postcode en Woonplaats;Land\r\n");
    for (const AddressRecord& record : records) {
        text += csvField(record.naam) + QLatin1Char(';') + csvField(record.adres) + QLatin1Char(';')
            + csvField(record.postcodeWoonplaats) + QLatin1Char(';') + csvField(record.land) + QLatin1String("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QList<ColumnKind> columnNames()
{
    QList<ColumnKind> kinds;
    for (const Column& column : columns) {
        ColumnKind kind{QString::fromUtf8(column.kind), {}};
        for (const char* name : column.names)
            kind.names.append(QString::fromUtf8(name));
        kinds.append(kind);
    }
    return kinds;
}

}
