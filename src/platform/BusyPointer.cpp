#include "platform/BusyPointer.h"

#include <QCursor>
#include <QGuiApplication>

void showBusyPointer()
{
    if (!QGuiApplication::overrideCursor())
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void showNormalPointer()
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}
