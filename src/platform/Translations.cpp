#include "platform/Translations.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool installDutchTranslations(QCoreApplication& app)
{
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    auto* translator = new QTranslator(&app);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QLocale(QLocale::Dutch), "qtbase", "_", folder)) {
        delete translator;
        return false;
    }
    app.installTranslator(translator);
    return true;
}

void applyProgramLook(QApplication& app)
{
    installDutchTranslations(app);
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
}
