#include "app/Titel.h"
#include "platform/EventPump.h"
#include "platform/LargeAllocations.h"
#include "platform/Translations.h"

#include <QApplication>

int main(int argc, char** argv)
{
    returnLargeBlocksToTheSystem();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Prentvel");
    QApplication::setApplicationVersion(PRENTVEL_VERSION);
    applyProgramLook(app);
    EventPump::setHook([] { QCoreApplication::processEvents(); });

    Titel startScreen;
    startScreen.show();
    return app.exec();
}
