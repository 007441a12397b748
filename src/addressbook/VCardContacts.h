#pragma once
// Contacts as vCards (versions 2.1, 3.0 and 4.0): the reader for the exports
// of phones and contact services, and the writer of the address book.
#include "addressbook/Contacts.h"

#include <QByteArray>

namespace VCardContacts {

// True when the text of `bytes` starts with a vCard, so a file without a
// known extension can be told from CSV.
bool looksLikeVCard(const QByteArray& bytes);

// Reads every contact: FN, or N when FN is missing (or the organisation when
// both are), and the first ADR, one marked "home" before any other. Folded
// lines, QUOTED-PRINTABLE values with their CHARSET, and escaped commas,
// semicolons and line breaks are understood.
ContactImport read(const QByteArray& bytes);

// vCard 3.0 in UTF-8, lines folded at 75 bytes. The postcode and place are
// split into ADR's postal code and locality when they can be told apart.
QByteArray write(const QList<AddressRecord>& records);

}
