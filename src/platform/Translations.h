#pragma once
// The language the program speaks, and its look.
#include <QString>
#include <QStringList>

class QApplication;

namespace Translations {

// The languages the program has: Dutch, then every translation it carries.
QStringList available();

// The language each language calls itself ("Nederlands", "English").
QString nativeName(const QString& code);

// Speaks `code` from now on: the program's texts, Qt's own dialogs and the
// number and date formats. Every open window is put into the new language.
void use(const QString& code);

// The language spoken now.
QString current();

}

// The program's look: the language chosen (in the settings, or else the
// system's) and the 8-point sans-serif face every window is laid out for.
void applyProgramLook(QApplication& app);
