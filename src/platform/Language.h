#pragma once
// Which language the program speaks. Dutch ("nl") is the language the texts
// are written in; every other language is a translation the program carries,
// named by its ISO 639-1 code.
#include <QString>
#include <QStringList>

namespace Language {

inline const QString Dutch = QStringLiteral("nl");
inline const QString English = QStringLiteral("en");

// The locale settings of the environment, as gettext reads them.
struct Environment {
    QString lcAll;
    QString lcMessages;
    QString lang;
    QString language; // the colon-separated list of LANGUAGE
};

Environment systemEnvironment();

// The language of `environment` among `available`: the first preferred one the
// program has, Frisian counting as Dutch. A C or POSIX locale is Dutch, the
// program's own; any other language gives English.
QString forEnvironment(const Environment& environment, const QStringList& available);

// The language shown when none is chosen in the settings: the system's.
QString chosen(const QStringList& available);

}
