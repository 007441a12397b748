// "Help > Taal / Language": the language the program speaks, one entry per
// language it has, each named in its own language.
#include "app/Main.h"
#include "app/Subsystems.h"
#include "platform/Retranslation.h"
#include "platform/Settings.h"
#include "platform/Translations.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

void installLanguageMenu(Main& main)
{
    main.Help->addSeparator()->setObjectName(QStringLiteral("HelpStreep2"));
    // The same in every language, so that anyone finds it.
    QMenu* menu = main.Help->addMenu(QStringLiteral("Taal / Language"));
    menu->setObjectName(QStringLiteral("HelpTaalMenu"));
    menu->menuAction()->setObjectName(QStringLiteral("HelpTaal"));
    Retranslation::keepTexts(menu->menuAction());
    auto* group = new QActionGroup(menu);
    for (const QString& code : Translations::available()) {
        const QString name = Translations::nativeName(code);
        QAction* entry = menu->addAction(name);
        entry->setObjectName(QStringLiteral("Taal") + QString(name).remove(QLatin1Char(' ')));
        entry->setCheckable(true);
        entry->setChecked(code == Translations::current());
        entry->setActionGroup(group);
        Retranslation::keepTexts(entry);
        QObject::connect(entry, &QAction::triggered, &main, [code] {
            if (code == Translations::current())
                return;
            Settings::setLanguage(code);
            Translations::use(code);
        });
    }
}
