#pragma once
// What an import would do to the address book, worked out before anything
// changes: which contacts are new, which are skipped, and whether the book
// would still fit in its file.
#include "addressbook/Contacts.h"

namespace ImportPlan {

struct Plan {
    QList<AddressRecord> toAdd;  // new records, letters already replaced
    int found = 0;               // contacts with a name in the file
    int alreadyThere = 0;        // skipped: in the book or earlier in the file
    int withoutAddress = 0;      // skipped: no address
    int lettersReplaced = 0;     // records in toAdd that had letters replaced
    bool overLimit = false;      // the book would grow past its limits; nothing is added
};

// A record is already there when its naam and adres, trimmed, ignoring case,
// after the letter replacement, match one in `book` or one earlier in the file.
Plan make(const AddressBook& book, const ContactImport& imported);

// The question (or, when there is nothing to add, the message) for the user.
QString summary(const Plan& plan);

// The message when the book would grow past its limits.
QString overLimitMessage();

// True when `book` is within the address book's limits: its records and the
// size of the file it would be written to.
bool fits(const AddressBook& book);

}
