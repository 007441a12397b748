#include "platform/PhotoFileFilter.h"

#include <QCoreApplication>
#include <QStringList>

// The seam offers each pattern in both cases, and .jpeg beside .jpg; .jpe and
// .jfif are JPEG files too. The descriptions are marked for translation inside
// the one literal (QT_TRANSLATE_NOOP leaves its text as it is).
const char* const PhotoFileFilter =
    QT_TRANSLATE_NOOP("PhotoFileFilter", "Foto's (Jpg, Heic, Png, Webp, Avif, Tif, Bmp, Gif, Wmf)")
    "|*.jpg;*.jpe;*.jfif;*.heic;*.heif;*.png;*.webp;*.avif;*.tif;*.tiff;*.bmp;*.gif;*.wmf"
    "|" QT_TRANSLATE_NOOP("PhotoFileFilter", "Alle bestanden") "|*";

QString photoFileFilter()
{
    QStringList parts = QString::fromUtf8(PhotoFileFilter).split(QLatin1Char('|'));
    for (qsizetype i = 0; i < parts.size(); i += 2)
        parts[i] = QCoreApplication::translate("PhotoFileFilter", parts[i].toUtf8().constData());
    return parts.join(QLatin1Char('|'));
}
