#pragma once
// The address book file "Adressen.cat": a sender line, then four lines per
// address, each block closed by a line of 28 hyphens. Lines end in CR LF and the
// text is Windows-1252.
#include <QList>
#include <QString>

#include <optional>

struct AddressRecord {
    QString naam;
    QString adres;
    QString postcodeWoonplaats;
    QString land;
};

struct AddressBook {
    QString senderLine;
    QList<AddressRecord> records;
};

namespace AddressFile {

// Where the address book lives: "Adressen.cat" in the program folder when that
// folder is writable or the file is already there, otherwise in the user's data
// folder (created when needed).
QString path();

// Reads the address book; nothing when the file is missing or empty.
std::optional<AddressBook> load();
std::optional<AddressBook> load(const QString& filePath);

// Writes the address book, replacing the old file only once the new one is
// complete. False when it could not be written; the old file is then untouched.
bool save(const AddressBook& book);
bool save(const AddressBook& book, const QString& filePath);

}
