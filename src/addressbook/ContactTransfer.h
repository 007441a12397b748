#pragma once
// The address book window's contact import and export, and the check for
// letters the address file cannot hold, each asked over `parent` through the
// dialog seam. They work on the records handed in and know nothing of the window.
#include "addressbook/AddressFile.h"

#include <QList>
#include <QStringList>
#include <array>

class QWidget;

namespace ContactTransfer {

// Asks for a CSV or vCard file and shows what importing it into `book` would
// add; the records to add once the user agreed, otherwise none.
QList<AddressRecord> askImport(QWidget* parent, const AddressBook& book);

// Asks for a file name and type and writes the records of `book` there.
void askExport(QWidget* parent, const AddressBook& book);

// When some of the four record fields (fields[1..4]) or the sender hold
// letters the address file cannot keep, asks whether to replace them by
// the nearest plain letters, and does so. False when the user declined.
bool replaceUnholdableLetters(QWidget* parent, std::array<QStringList, 5>& fields, int recordCount, QString& sender);

}
