#include "addressbook/VCardContacts.h"

#include "addressbook/ContactText.h"
#include "addressbook/Windows1252.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>

namespace {

// One content line split into its parts; `values` holds the components of a
// structured value (N, ADR, ORG), already unescaped and decoded.
struct Property {
    QString name;
    QStringList parameters;  // lower case, "key=value" or a bare value
    QStringList values;
};

bool hasParameter(const Property& property, const QString& key, const QString& value)
{
    for (const QString& parameter : property.parameters) {
        const qsizetype equals = parameter.indexOf(QLatin1Char('='));
        const QString parameterKey = equals < 0 ? QString() : parameter.left(equals);
        const QString values = equals < 0 ? parameter : parameter.mid(equals + 1);
        if (equals >= 0 && parameterKey != key)
            continue;
        for (QString one : values.split(QLatin1Char(','))) {
            one.remove(QLatin1Char('"'));
            if (one.trimmed() == value)
                return true;
        }
    }
    return false;
}

QString parameterValue(const QStringList& parameters, const QString& key)
{
    for (const QString& parameter : parameters) {
        if (parameter.startsWith(key + QLatin1Char('=')))
            return parameter.mid(key.size() + 1).remove(QLatin1Char('"')).trimmed();
    }
    return QString();
}

bool isQuotedPrintable(const QStringList& parameters)
{
    return parameters.contains(QLatin1String("encoding=quoted-printable"))
        || parameters.contains(QLatin1String("quoted-printable"));
}

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

QString decodeBytes(const QByteArray& bytes, const QString& charset)
{
    if (!charset.isEmpty() && !charset.startsWith(QLatin1String("utf"))) {
        if (charset == QLatin1String("iso-8859-1") || charset == QLatin1String("windows-1252")
            || charset == QLatin1String("latin1") || charset == QLatin1String("us-ascii"))
            return Windows1252::decode(bytes);
        if (auto decoder = QStringDecoder(charset.toLatin1().constData()); decoder.isValid())
            return decoder.decode(bytes);
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? Windows1252::decode(bytes) : text;
}

QString decodeQuotedPrintable(const QString& value, const QString& charset)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == QLatin1Char('=') && i + 2 < value.size() && hexValue(value[i + 1]) >= 0
            && hexValue(value[i + 2]) >= 0) {
            bytes.append(char(hexValue(value[i + 1]) * 16 + hexValue(value[i + 2])));
            i += 2;
        } else if (value[i] != QLatin1Char('=')) {
            bytes.append(QString(value[i]).toUtf8());
        }
    }
    return decodeBytes(bytes, charset);
}

// Splits at unescaped semicolons and undoes the escapes.
QStringList components(const QString& value)
{
    QStringList parts{QString()};
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == QLatin1Char('\\') && i + 1 < value.size()) {
            const QChar escaped = value[++i];
            if (escaped == QLatin1Char('n') || escaped == QLatin1Char('N'))
                parts.last().append(QLatin1Char('\n'));
            else if (escaped == QLatin1Char(',') || escaped == QLatin1Char(';') || escaped == QLatin1Char('\\'))
                parts.last().append(escaped);
            else
                parts.last().append(c).append(escaped);
        } else if (c == QLatin1Char(';')) {
            parts.append(QString());
        } else {
            parts.last().append(c);
        }
    }
    return parts;
}

// The name and parameters before the first colon outside double quotes.
std::optional<Property> parseLine(const QString& line)
{
    qsizetype colon = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size() && colon < 0; ++i) {
        if (line[i] == QLatin1Char('"'))
            quoted = !quoted;
        else if (line[i] == QLatin1Char(':') && !quoted)
            colon = i;
    }
    if (colon < 0)
        return std::nullopt;
    Property property;
    QStringList head = line.left(colon).toLower().split(QLatin1Char(';'));
    property.name = head.takeFirst().trimmed();
    property.name = property.name.mid(property.name.lastIndexOf(QLatin1Char('.')) + 1);  // "item1.adr"
    for (const QString& parameter : head)
        property.parameters.append(parameter.trimmed());
    const QString raw = line.mid(colon + 1);
    if (isQuotedPrintable(property.parameters))
        property.values = components(decodeQuotedPrintable(raw, parameterValue(property.parameters, "charset")));
    else
        property.values = components(raw);
    return property;
}

struct Card {
    QString formattedName;
    QStringList name;
    QString organisation;
    QStringList address;
    bool homeAddress = false;

    void take(const Property& property)
    {
        if (property.name == QLatin1String("fn") && formattedName.isEmpty())
            formattedName = property.values.join(QLatin1Char(';')).trimmed();
        else if (property.name == QLatin1String("n") && name.isEmpty())
            name = property.values;
        else if (property.name == QLatin1String("org") && organisation.isEmpty())
            organisation = property.values.value(0).trimmed();
        else if (property.name == QLatin1String("adr") && !homeAddress) {
            const bool home = hasParameter(property, QStringLiteral("type"), QStringLiteral("home"));
            if (address.isEmpty() || home) {
                address = property.values;
                homeAddress = home;
            }
        }
    }

    ContactText::Contact contact() const
    {
        ContactText::Contact contact;
        contact.name = formattedName;
        if (contact.name.isEmpty())
            contact.name = ContactText::joined({name.value(1), name.value(2), name.value(0)});
        if (contact.name.isEmpty())
            contact.name = organisation;
        contact.street = address.value(2);
        if (contact.street.trimmed().isEmpty())
            contact.street = ContactText::joined({address.value(1), address.value(0)});
        contact.city = address.value(3);
        contact.postalCode = address.value(5);
        contact.country = address.value(6);
        return contact;
    }
};

// Joins folded lines: a line that starts with a blank continues the one before
// (the blank is dropped, except in vCard 2.1 where it belongs to the text), and
// a quoted-printable line that ends in "=" goes on at the next line.
class LineJoiner {
public:
    explicit LineJoiner(const QString& text) : text_(text) {}

    bool next(QString& line, bool version21)
    {
        if (!readPhysical(line))
            return false;
        QStringView following;
        while (peekPhysical(following)) {
            const bool softBreak = line.endsWith(QLatin1Char('=')) && isQuotedPrintableLine(line);
            const bool folded = !following.isEmpty() && (following[0] == QLatin1Char(' ') || following[0] == QLatin1Char('\t'));
            if (softBreak) {
                line.chop(1);
                line += following.trimmed();
            } else if (folded) {
                line += version21 ? following : following.mid(1);
            } else {
                break;
            }
            skipPhysical();
        }
        return true;
    }

private:
    const QString& text_;
    qsizetype position_ = 0;
    qsizetype peekEnd_ = 0;

    static bool isQuotedPrintableLine(const QString& line)
    {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        return colon > 0 && line.left(colon).contains(QLatin1String("quoted-printable"), Qt::CaseInsensitive);
    }

    qsizetype lineEnd(qsizetype from) const
    {
        qsizetype end = from;
        while (end < text_.size() && text_[end] != QLatin1Char('\r') && text_[end] != QLatin1Char('\n'))
            ++end;
        return end;
    }

    qsizetype afterBreak(qsizetype end) const
    {
        if (end < text_.size() && text_[end] == QLatin1Char('\r'))
            ++end;
        else if (end < text_.size())
            return end + 1;  // a line feed
        if (end < text_.size() && text_[end] == QLatin1Char('\n'))
            ++end;
        return end;
    }

    bool readPhysical(QString& line)
    {
        if (position_ >= text_.size())
            return false;
        const qsizetype end = lineEnd(position_);
        line = text_.mid(position_, end - position_);
        position_ = afterBreak(end);
        return true;
    }

    bool peekPhysical(QStringView& line)
    {
        if (position_ >= text_.size())
            return false;
        const qsizetype end = lineEnd(position_);
        line = QStringView(text_).mid(position_, end - position_);
        peekEnd_ = afterBreak(end);
        return true;
    }

    void skipPhysical() { position_ = peekEnd_; }
};

QString escaped(QString text)
{
    if (text == QLatin1String("-"))
        return QString();
    text.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    text.replace(QLatin1String(","), QLatin1String("\\,"));
    text.replace(QLatin1String(";"), QLatin1String("\\;"));
    text.replace(QLatin1String("\r\n"), QLatin1String("\\n"));
    text.replace(QLatin1String("\n"), QLatin1String("\\n"));
    text.replace(QLatin1String("\r"), QLatin1String("\\n"));
    return text;
}

// The postal code at the front of "1016 GV Amsterdam", "75008 Paris" or
// "SW1A 1AA London": the leading words that hold a digit, with the two letters
// of a Dutch postcode. Nothing when the place would not come back the same.
std::pair<QString, QString> splitPlace(const QString& stored)
{
    if (stored == QLatin1String("-"))
        return {};
    const QStringList words = stored.split(QLatin1Char(' '));
    qsizetype codeWords = 0;
    while (codeWords < words.size() && std::any_of(words[codeWords].begin(), words[codeWords].end(),
                                                   [](QChar c) { return c.isDigit(); }))
        ++codeWords;
    static const QRegularExpression dutchLetters(QStringLiteral("^[A-Z]{2}$"));
    if (codeWords == 1 && words.size() > 2 && words[0].size() == 4 && dutchLetters.match(words[1]).hasMatch())
        codeWords = 2;
    const QString code = words.mid(0, codeWords).join(QLatin1Char(' '));
    const QString place = words.mid(codeWords).join(QLatin1Char(' '));
    // A place of "-" would be written as an empty field, and lost.
    if (code.isEmpty() || place.isEmpty() || place == QLatin1String("-") || ContactText::joined({code, place}) != stored)
        return {QString(), stored};
    return {code, place};
}

// Folds a content line at 75 bytes of UTF-8, never inside a character.
void appendFolded(QByteArray& out, const QString& line)
{
    const QByteArray bytes = line.toUtf8();
    qsizetype lineBytes = 0;
    for (qsizetype i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const qsizetype length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        if (lineBytes + length > 75) {
            out.append("\r\n ");
            lineBytes = 1;
        }
        out.append(bytes.mid(i, length));
        lineBytes += length;
        i += length;
    }
    out.append("\r\n");
}

}

namespace VCardContacts {

bool looksLikeVCard(const QByteArray& bytes)
{
    const std::optional<QString> text = ContactText::decode(bytes.left(4096));
    return text && text->trimmed().startsWith(QLatin1String("begin:vcard"), Qt::CaseInsensitive);
}

ContactImport read(const QByteArray& bytes)
{
    QString error;
    const std::optional<QString> text = ContactText::readableText(bytes, error);
    if (!text)
        return ContactText::failure(error);

    ContactImport result;
    LineJoiner lines(*text);
    QString line;
    Card card;
    int depth = 0;  // a vCard may hold another one (an agent); only the outer one counts
    bool version21 = false;
    bool anyCard = false;
    while (lines.next(line, version21)) {
        const std::optional<Property> property = parseLine(line);
        if (!property)
            continue;
        const QString value = property->values.join(QLatin1Char(';')).trimmed().toLower();
        if (property->name == QLatin1String("begin") && value == QLatin1String("vcard")) {
            if (++depth == 1) {
                card = Card();
                anyCard = true;
            }
        } else if (property->name == QLatin1String("end") && value == QLatin1String("vcard")) {
            if (depth > 0 && --depth == 0 && !ContactText::add(result, card.contact()))
                return result;
        } else if (depth == 1 && property->name == QLatin1String("version")) {
            version21 = value == QLatin1String("2.1");
        } else if (depth == 1) {
            card.take(*property);
        }
    }
    if (depth > 0)
        return ContactText::failure(QCoreApplication::translate(
            "Contacts", "Het bestand is onvolledig: een contact (BEGIN:VCARD) wordt niet afgesloten met END:VCARD. "
                        "Er is niets ingelezen."));
    if (!anyCard || (result.records.isEmpty() && result.withoutAddress == 0))
        return ContactText::failure(ContactText::noContacts());
    return result;
}

QByteArray write(const QList<AddressRecord>& records)
{
    QByteArray out;
    for (const AddressRecord& record : records) {
        const auto [postalCode, place] = splitPlace(record.postcodeWoonplaats);
        appendFolded(out, QStringLiteral("BEGIN:VCARD"));
        appendFolded(out, QStringLiteral("VERSION:3.0"));
        appendFolded(out, QStringLiteral("FN:") + escaped(record.naam));
        appendFolded(out, QStringLiteral("N:;") + escaped(record.naam) + QStringLiteral(";;;"));
        appendFolded(out, QStringLiteral("ADR;TYPE=HOME:;;%1;%2;;%3;%4")
                              .arg(escaped(record.adres), escaped(place), escaped(postalCode), escaped(record.land)));
        appendFolded(out, QStringLiteral("END:VCARD"));
    }
    return out;
}

}
