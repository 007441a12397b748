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

// Reads the address book; nothing when the file is missing or empty, or when
// it is too large (over AddressBookLimits::MaxFileBytes or MaxRecords), which
// sets `tooLarge`.
std::optional<AddressBook> load();
std::optional<AddressBook> load(const QString& filePath, bool* tooLarge = nullptr);

// "Het adressenbestand ... is te groot ..." for a file that load() refused as too
// large, in the language of the interface.
QString tooLargeMessage(const QString& filePath);

// Writes the address book, replacing the old file only once the new one is
// complete. False when it could not be written; the old file is then untouched.
// Only a plain file is replaced (or a new one made): a device or FIFO, also
// behind a symbolic link, is left alone and the save fails.
bool save(const AddressBook& book);
bool save(const AddressBook& book, const QString& filePath);

// Saves to `filePath`; when that plain file cannot be replaced where it is
// (its folder takes no temporary file for the safe replacement), saves to
// "Adressen.cat" in `dataFolder` instead, which path() prefers from then on. Gives the path written, or
// nothing when the book could not be saved.
std::optional<QString> saveOrMove(const AddressBook& book, const QString& filePath, const QString& dataFolder);
// The user's data folder that saveOrMove() falls back on.
QString dataFolder();

}
