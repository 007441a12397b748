#include "CardThumbnailer.h"

#include "document/CardFile.h"

#include <QFile>

QString writeCardThumbnail(const QString& card, const QString& output, int size)
{
    if (size <= 0)
        return QStringLiteral("the size must be a positive number");
    const QImage stored = CardFile::storedThumbnail(card);
    if (stored.isNull())
        return QStringLiteral("no card file with a thumbnail: %1").arg(card);

    // Rounded rather than cut, so the aspect stays as close as whole pixels allow.
    QImage thumbnail = stored;
    const int longSide = qMax(stored.width(), stored.height());
    if (longSide > size) {
        const qreal factor = qreal(size) / longSide;
        const QSize scaled(qMax(1, qRound(stored.width() * factor)), qMax(1, qRound(stored.height() * factor)));
        thumbnail = stored.scaled(scaled, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }

    // The fastest zlib level: the desktop stores the picture in its own cache,
    // and the default level takes several times longer than all the rest.
    // No fsync either (QSaveFile would): a failed write is removed instead.
    constexpr int FastestCompression = 80;
    QFile file(output);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QStringLiteral("cannot write %1").arg(output);
    if (!thumbnail.save(&file, "PNG", FastestCompression) || !file.flush()) {
        file.remove();
        return QStringLiteral("cannot write %1").arg(output);
    }
    return QString();
}
