#include "app/Subsystems.h"

#include "addressbook/Dataform.h"
#include "app/Main.h"
#include "platform/BusyGuard.h"

#include <QAction>

void installAddressBook(Main& main)
{
    QObject::connect(main.ToolsDatabase, &QAction::triggered, &main, [&main] {
        const BusyGuard busy(BusyGuard::Kind::Hold);
        Dataform form(&main);
        form.exec();
    });
}
