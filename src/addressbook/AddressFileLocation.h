#pragma once
#include <QString>

namespace AddressFile {

// "Adressen.cat" in `dataFolder` when a save has moved it there; else in
// `programFolder` when that folder is writable or the file is already there;
// otherwise in `dataFolder`, which is created when needed.
QString pathIn(const QString& programFolder, const QString& dataFolder);

}
