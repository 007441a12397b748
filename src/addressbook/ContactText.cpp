#include "addressbook/ContactText.h"

#include "addressbook/AddressBookLimits.h"
#include "addressbook/Windows1252.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringDecoder>

namespace ContactText {

namespace {

struct ContactsText {
    Q_DECLARE_TR_FUNCTIONS(Contacts)
};

}

QString tooManyContacts()
{
    return ContactsText::tr(
               "Het bestand bevat meer dan %1 contacten, meer dan het adresboek kan bewaren. Er is niets ingelezen.")
        .arg(AddressBookLimits::MaxRecords);
}

QString tooLarge()
{
    return ContactsText::tr("Het bestand is groter dan %1 MB en wordt niet ingelezen.")
        .arg(AddressBookLimits::MaxFileBytes / (1024 * 1024));
}

QString noContacts()
{
    return ContactsText::tr("Het bestand bevat geen contacten met een naam.");
}

namespace {

std::optional<QString> decodeAs(QStringConverter::Encoding encoding, const QByteArray& bytes, int skip)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(QByteArrayView(bytes).sliced(skip));
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// Text has no NUL and only now and then a control character other than tab,
// line breaks, form feed and the old end-of-file mark.
bool looksLikeText(const QString& text)
{
    qsizetype controls = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 0)
            return false;
        if ((u < 0x20 && u != '\t' && u != '\n' && u != '\r' && u != '\f' && u != 0x1A) || (u >= 0x7F && u < 0xA0))
            ++controls;
    }
    return controls <= 8 + text.size() / 100;
}

}

std::optional<QString> decode(const QByteArray& bytes)
{
    std::optional<QString> text;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        // A broken sequence after a UTF-8 mark becomes U+FFFD rather than a refusal.
        text = QStringDecoder(QStringConverter::Utf8).decode(QByteArrayView(bytes).sliced(3));
    } else if (bytes.startsWith("\xFF\xFE")) {
        text = decodeAs(QStringConverter::Utf16LE, bytes, 2);
    } else if (bytes.startsWith("\xFE\xFF")) {
        text = decodeAs(QStringConverter::Utf16BE, bytes, 2);
    } else {
        text = decodeAs(QStringConverter::Utf8, bytes, 0);
        if (!text)
            text = Windows1252::decode(bytes);
    }
    if (!text || !looksLikeText(*text))
        return std::nullopt;
    // UTF-16 may hold halves of characters; write those as the replacement
    // character now, as any later conversion would.
    if (!text->isValidUtf16())
        text = QString::fromUtf8(text->toUtf8());
    return text;
}

QString checkBytes(const QByteArray& bytes)
{
    if (bytes.size() > AddressBookLimits::MaxFileBytes)
        return tooLarge();
    if (bytes.trimmed().isEmpty())
        return ContactsText::tr("Het bestand is leeg.");
    return QString();
}

ContactImport failure(const QString& message)
{
    ContactImport result;
    result.error = message;
    return result;
}

std::optional<QString> readableText(const QByteArray& bytes, QString& error)
{
    error = checkBytes(bytes);
    if (!error.isEmpty())
        return std::nullopt;
    std::optional<QString> text = decode(bytes);
    if (!text)
        error = ContactsText::tr("Het bestand is geen tekstbestand met contacten.");
    return text;
}

QString joined(std::initializer_list<QString> parts)
{
    QStringList kept;
    for (const QString& part : parts) {
        const QString trimmed = part.trimmed();
        if (!trimmed.isEmpty())
            kept.append(trimmed);
    }
    return kept.join(QLatin1Char(' '));
}

namespace {

// A field as the window stores it: one line, trimmed, "-" when empty.
QString storedField(QString text)
{
    static const QRegularExpression lineBreaks(QStringLiteral("\\s*[\\r\\n]+\\s*"));
    text = text.trimmed();
    text.replace(lineBreaks, QStringLiteral(", "));
    return text.isEmpty() ? QStringLiteral("-") : text;
}

}

bool add(ContactImport& result, const Contact& read)
{
    // "-" is how the address book writes an empty field, also in its exports.
    const auto meaningful = [](const QString& field) {
        return field.trimmed() == QLatin1String("-") ? QString() : field;
    };
    const Contact contact{meaningful(read.name), meaningful(read.street), meaningful(read.postalCode),
                          meaningful(read.city), meaningful(read.country)};
    if (contact.name.trimmed().isEmpty())
        return true;
    if (result.records.size() + result.withoutAddress >= AddressBookLimits::MaxRecords) {
        result = failure(tooManyContacts());
        return false;
    }
    const QString place = joined({contact.postalCode, contact.city});
    if (contact.street.trimmed().isEmpty() && place.isEmpty()) {
        ++result.withoutAddress;
        return true;
    }
    result.records.append({storedField(contact.name), storedField(contact.street), storedField(place),
                           storedField(contact.country)});
    return true;
}

}
