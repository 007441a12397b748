#pragma once
// Everything Prentvel remembers between runs, one function pair per setting.
// Each reader falls back to the start value when the stored value is missing,
// not a number or out of range, so a damaged settings file never breaks anything.
#include <QString>

class QSettings;

namespace Settings {

// The store: QSettings of organisation and application "Prentvel".
QSettings& store();

}
