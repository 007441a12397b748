#include "app/Main.h"
#include "platform/EventPump.h"
#include "platform/Translations.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Prentvel");
    QApplication::setApplicationVersion(PRENTVEL_VERSION);
    installDutchTranslations(app);
    EventPump::setHook([] { QCoreApplication::processEvents(); });

    Main window;
    window.show();
    return app.exec();
}
