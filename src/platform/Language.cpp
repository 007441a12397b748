#include "platform/Language.h"

#include "platform/Settings.h"

#include <QProcessEnvironment>

namespace Language {

namespace {

// "nl_BE.UTF-8@euro" -> "nl"; "C.UTF-8" -> "c".
QString languagePart(const QString& locale)
{
    qsizetype end = 0;
    while (end < locale.size() && locale.at(end).isLetter())
        ++end;
    return locale.left(end).toLower();
}

bool isPlainLocale(const QString& locale)
{
    const QString language = languagePart(locale);
    return language.isEmpty() || language == QLatin1String("c") || language == QLatin1String("posix");
}

}

Environment systemEnvironment()
{
    const QProcessEnvironment system = QProcessEnvironment::systemEnvironment();
    return {system.value(QStringLiteral("LC_ALL")), system.value(QStringLiteral("LC_MESSAGES")),
            system.value(QStringLiteral("LANG")), system.value(QStringLiteral("LANGUAGE"))};
}

QString forEnvironment(const Environment& environment, const QStringList& available)
{
    // The first of LC_ALL, LC_MESSAGES and LANG that is set names the locale;
    // as with gettext, LANGUAGE only counts when that locale is not plain C.
    QString locale = environment.lcAll;
    if (locale.isEmpty())
        locale = environment.lcMessages;
    if (locale.isEmpty())
        locale = environment.lang;
    if (isPlainLocale(locale))
        return Dutch;
    QStringList preferred = environment.language.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    preferred.append(locale);
    for (const QString& entry : preferred) {
        QString language = languagePart(entry);
        if (language == QLatin1String("fy"))
            language = Dutch;
        if (available.contains(language))
            return language;
    }
    return available.contains(English) ? English : Dutch;
}

QString chosen(const QStringList& available)
{
    const QString stored = Settings::language();
    if (available.contains(stored))
        return stored;
    return forEnvironment(systemEnvironment(), available);
}

}
