#pragma once
#include <QString>

// The folder of the running program file (the folder of the executable).
QString programFolder();

// True when a file can be created in `folder` (checked by creating and removing one).
bool isFolderWritable(const QString& folder);

// The manual in the language spoken ("help.pdf" in Dutch, "help-en.pdf" in
// English) in the program folder, or where an installed program keeps it
// (share/prentvel beside the bin folder).
QString manualPath();
