#include "app/Subsystems.h"

#include "addressbook/Dataform.h"
#include "app/Main.h"

#include <QAction>

void installAddressBook(Main& main)
{
    QObject::connect(main.ToolsDatabase, &QAction::triggered, &main, [&main] {
        const Main::Busy busy(main);
        Dataform form(&main);
        form.exec();
    });
}
