#include "addressbook/AddressFile.h"

#include "addressbook/AddressFileFormat.h"
#include "addressbook/AddressFileLocation.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
const QString fileName = QStringLiteral("Adressen.cat");
}

namespace AddressFile {

QString pathIn(const QString& programFolder, const QString& dataFolder)
{
    const QString besideProgram = QDir(programFolder).filePath(fileName);
    if (QFileInfo::exists(besideProgram) || isFolderWritable(programFolder))
        return besideProgram;
    QDir().mkpath(dataFolder);
    return QDir(dataFolder).filePath(fileName);
}

QString path()
{
    return pathIn(programFolder(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

std::optional<AddressBook> load()
{
    return load(path());
}

std::optional<AddressBook> load(const QString& filePath)
{
    // Only a plain file: a folder or a device in its place reads as no file.
    if (!QFileInfo(filePath).isFile())
        return std::nullopt;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return AddressFileFormat::parse(file.readAll());
}

bool save(const AddressBook& book)
{
    return save(book, path());
}

bool save(const AddressBook& book, const QString& filePath)
{
    // The new contents go to a file beside the old one, which is renamed over
    // it only when everything has been written.
    const QByteArray bytes = AddressFileFormat::format(book);
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // A full disk may only show when the buffer is flushed; commit() would not
    // notice it and would put an empty file in place of the old one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}
