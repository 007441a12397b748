#pragma once
// Small file helpers shared by the address book tests.
#include "addressbook/AddressFile.h"

#include <QDir>
#include <QFile>
#include <QStringList>

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

inline QStringList fieldsOf(const AddressRecord& record)
{
    return {record.naam, record.adres, record.postcodeWoonplaats, record.land};
}

// A folder under `root` whose path leaves no room for a longer name beside
// "Adressen.cat": it refuses the temporary file of a safe save, even to root.
inline QString folderWithoutRoomForTemporaryFiles(const QString& root)
{
    QString folder = root;
    while (folder.size() < 4095 - 14 - 200)
        folder += '/' + QString(200, 'p');
    folder += '/' + QString(4095 - 14 - folder.size() - 1, 'q');
    QDir().mkpath(folder);
    return folder;
}

