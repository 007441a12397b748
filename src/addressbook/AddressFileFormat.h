#pragma once
// The bytes of the address file, without any file access: the reader and the
// writer that AddressFile uses, usable on their own by tests and the fuzzer.
#include "addressbook/AddressBookLimits.h"
#include "addressbook/AddressFile.h"

#include <QByteArray>

namespace AddressFileFormat {

// The line that closes the sender line and every record.
inline constexpr char separator[] = "----------------------------";

// Reads the sender line and the records. Separator lines are known only by
// position, whatever they hold; a record cut short by the end of the text
// repeats the last line read in its missing fields. Lines may end in CR LF,
// LF or CR. Nothing when the text holds no line at all, or more than
// `maxRecords` records.
std::optional<AddressBook> parse(const QByteArray& bytes, int maxRecords = AddressBookLimits::MaxRecords);

// The file as written: every line ended by CR LF, Windows-1252 text, line
// breaks inside a field replaced by a blank.
QByteArray format(const AddressBook& book);

}
