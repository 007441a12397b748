#include "app/Main.h"
#include "app/ScriptedEdits.h"
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

    // A file named on the command line (a card file, or a photo) opens in
    // the main window at once, without the start screen.
    const QStringList files = app.arguments().mid(1);
    const int editInterval = scriptedEditInterval();
    if (!files.isEmpty() || editInterval > 0) {
        auto* main = new Main;
        main->setAttribute(Qt::WA_DeleteOnClose);
        main->show();
        if (!files.isEmpty())
            main->openNamedFile(files.constFirst());
        if (editInterval > 0)
            startScriptedEdits(*main, editInterval);
        return app.exec();
    }
    Titel startScreen;
    startScreen.show();
    return app.exec();
}
