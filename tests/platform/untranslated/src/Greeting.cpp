// A source with one translated text and one the translation file lacks.
#include <QCoreApplication>

QString greeting()
{
    return QCoreApplication::translate("Greeting", "Goedemorgen") + QCoreApplication::translate("Greeting", "Tot ziens");
}
