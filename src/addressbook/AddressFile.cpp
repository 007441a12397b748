#include "addressbook/AddressFile.h"

#include "platform/SafeFile.h"

#include "addressbook/AddressBookLimits.h"
#include "addressbook/AddressFileFormat.h"
#include "addressbook/AddressFileLocation.h"
#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
const QString fileName = QStringLiteral("Adressen.cat");
}

namespace AddressFile {

QString pathIn(const QString& programFolder, const QString& dataFolder)
{
    const QString moved = QDir(dataFolder).filePath(fileName);
    if (QFileInfo::exists(moved))
        return moved;
    const QString besideProgram = QDir(programFolder).filePath(fileName);
    if (QFileInfo::exists(besideProgram) || isFolderWritable(programFolder))
        return besideProgram;
    QDir().mkpath(dataFolder);
    return QDir(dataFolder).filePath(fileName);
}

QString dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString path()
{
    return pathIn(programFolder(), dataFolder());
}

std::optional<AddressBook> load()
{
    return load(path());
}

std::optional<AddressBook> load(const QString& filePath, bool* tooLarge)
{
    if (tooLarge)
        *tooLarge = false;
    // Only a plain file: a folder or a device in its place reads as no file.
    const QFileInfo info(filePath);
    if (!info.isFile())
        return std::nullopt;
    const auto refuse = [tooLarge] {
        if (tooLarge)
            *tooLarge = true;
        return std::nullopt;
    };
    if (info.size() > AddressBookLimits::MaxFileBytes)
        return refuse();
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(AddressBookLimits::MaxFileBytes + 1);
    if (bytes.size() > AddressBookLimits::MaxFileBytes)    // grew since it was measured
        return refuse();
    std::optional<AddressBook> book = AddressFileFormat::parse(bytes);
    if (!book && !bytes.isEmpty())
        return refuse();    // only too many records make a non-empty text unreadable
    return book;
}

QString tooLargeMessage(const QString& filePath)
{
    return QCoreApplication::translate("AddressFile",
                                       "Het adressenbestand is te groot om te openen (meer dan %1 MB of meer dan %2 "
                                       "adressen):\n%3\nHet bestand blijft zoals het is.")
        .arg(AddressBookLimits::MaxFileBytes >> 20)
        .arg(AddressBookLimits::MaxRecords)
        .arg(QDir::toNativeSeparators(filePath));
}

bool save(const AddressBook& book)
{
    return save(book, path());
}

bool save(const AddressBook& book, const QString& filePath)
{
    return writeFileAtomically(filePath, AddressFileFormat::format(book));
}

std::optional<QString> saveOrMove(const AddressBook& book, const QString& filePath, const QString& dataFolder)
{
    if (save(book, filePath))
        return filePath;
    const QString moved = QDir(dataFolder).filePath(fileName);
    const QFileInfo info(filePath);
    // Only a plain file that could not be replaced where it is moves; the
    // folder's own write test cannot tell, as it needs no name beside the file.
    if (!info.isFile() || info == QFileInfo(moved))
        return std::nullopt;
    QDir().mkpath(dataFolder);
    if (!save(book, moved))
        return std::nullopt;
    return moved;
}

}

