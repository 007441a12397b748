#include "document/CardFile.h"

// Placeholder until the reader and writer are written.
namespace CardFile {

QString write(const QString&, const CardFileContent&, const QImage&)
{
    return QStringLiteral("Kaartbestanden kunnen nog niet bewaard worden.");
}

std::optional<CardFileContent> read(const QString&, QString& error)
{
    error = QStringLiteral("Kaartbestanden kunnen nog niet geopend worden.");
    return std::nullopt;
}

std::optional<CardFileContent> readBytes(const QByteArray&, QString& error)
{
    error = QStringLiteral("Kaartbestanden kunnen nog niet geopend worden.");
    return std::nullopt;
}

bool looksLikeCardFile(const QByteArray&)
{
    return false;
}

}
