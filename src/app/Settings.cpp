#include "app/Settings.h"

#include <QSettings>

namespace Settings {

QSettings& store()
{
    // Made on first use, after the application object has set its names.
    static QSettings settings(QStringLiteral("Prentvel"), QStringLiteral("Prentvel"));
    return settings;
}

}
