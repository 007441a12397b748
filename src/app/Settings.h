#pragma once
// Everything Prentvel remembers between runs, one function pair per setting.
// Each reader falls back to the start value when the stored value is missing,
// not a number or out of range, so a damaged settings file never breaks anything.
#include <QSettings>
#include <QString>

namespace Settings {

// Settings of organisation and application "Prentvel", opened afresh for each
// use so that a test's switch to a test folder is always honoured.
inline QSettings open()
{
    return QSettings(QStringLiteral("Prentvel"), QStringLiteral("Prentvel"));
}

// "Foto's bijsnijden": photos keep their shape and are trimmed to their frame. Off at first.
inline bool cropPhotos()
{
    return open().value(QStringLiteral("Layout/cropPhotos")).toString() == QLatin1String("true");
}
inline void setCropPhotos(bool on)
{
    open().setValue(QStringLiteral("Layout/cropPhotos"), on);
}

}
