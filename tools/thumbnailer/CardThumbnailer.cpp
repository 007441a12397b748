#include "CardThumbnailer.h"

#include "document/CardFile.h"

#include <QSaveFile>

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

    // Written aside and renamed, so a failure leaves no half picture behind.
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || !thumbnail.save(&file, "PNG") || !file.commit())
        return QStringLiteral("cannot write %1").arg(output);
    return QString();
}
