#pragma once
// What the contact readers share: the text of a file, whatever encoding it came
// in, the error sentences, and how a contact becomes an address record.
#include "addressbook/Contacts.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace ContactText {

// The text of `bytes`: UTF-8 or UTF-16 after a byte order mark, otherwise UTF-8
// when the bytes are valid UTF-8, otherwise Windows-1252. Nothing when the bytes
// are not text (NUL characters or many other control characters).
std::optional<QString> decode(const QByteArray& bytes);

// The error for a size or a count over the address book's limits, or for
// bytes that are not text; empty when the bytes may be read.
QString checkBytes(const QByteArray& bytes);

// The import's answer for a failure: `message` and no records.
ContactImport failure(const QString& message);

// The text of a contacts file after checkBytes and decode, or nothing with
// `error` set to the sentence that says why it cannot be read.
std::optional<QString> readableText(const QByteArray& bytes, QString& error);

// One contact as read from a file, fields not yet trimmed.
struct Contact {
    QString name;
    QString street;
    QString postalCode;
    QString city;
    QString country;
};

// Adds `contact` to `result`: as a record when it has a name and an address
// (street, postal code or city), counted in withoutAddress when it has a name
// but no address, left out when it has no name. A field of only "-" counts as
// empty; line breaks inside a field become ", ". False once there are more contacts than an address book holds;
// `result` then carries the error.
bool add(ContactImport& result, const Contact& contact);

// `parts` trimmed and joined with single spaces, empty ones left out.
QString joined(std::initializer_list<QString> parts);

// The error sentences the readers share, in the language of the interface
// (translation context "Contacts", as all messages of the import and export).
QString tooLarge();
QString tooManyContacts();
QString noContacts();

}
