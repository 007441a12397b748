#pragma once
// Small file helpers shared by the address book tests.
#include "addressbook/AddressFile.h"

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
