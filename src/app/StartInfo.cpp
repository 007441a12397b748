#include "app/StartInfo.h"

#include "platform/Rounding.h"

#include <QFileInfo>
#include <QLocale>
#include <QStringList>
#include <QSysInfo>
#include <cmath>

const char* const ResolutionHelpAddress = "https://wiki.archlinux.org/title/HiDPI";

QString GetFileVersion(const QString& fileName)
{
    const QFileInfo file(fileName);
    if (!file.exists() || !file.isReadable() || file.size() == 0)
        return QStringLiteral("Error");
    const QStringList parts = QStringLiteral(PRENTVEL_VERSION).split('.');
    QStringList fields;
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const int value = i < parts.size() ? parts.at(i).toInt(&ok) : 0;
        fields << QString::number(ok && value >= 0 && value <= 0xFFFF ? value : 0);
    }
    return fields.join('.');
}

QString formatFileSize(qint64 bytes)
{
    if (bytes <= 0)
        return QString();
    return QLocale().toString(bytes);
}

int dpiFromLogicalDpi(double logicalDpi)
{
    if (!(logicalDpi > 0) || !std::isfinite(logicalDpi))
        return 96;
    const long long twipsPerPixel = std::max(1LL, roundHalfEven(1440.0 / logicalDpi));
    return int(roundHalfEven(1440.0 / double(twipsPerPixel)));
}

QString informationText(const StartInfo& info)
{
    const QString platform = QStringLiteral("For %1-bit computers with Linux.").arg(QSysInfo::WordSize);
    const QString date = info.fileDate.isValid()
        ? QLocale().toString(info.fileDate.date(), QLocale::ShortFormat) + ' '
            + QLocale().toString(info.fileDate.time(), QStringLiteral("H:mm:ss"))
        : QString();
    const QStringList lines = {
        platform,
        QString(),
        QStringLiteral("Version number : ") + info.versionText,
        QStringLiteral("Filesize............. : ") + info.sizeText + QStringLiteral(" Bytes"),
        QStringLiteral("Filedate............ : ") + date,
        QStringLiteral("Screen............. : %1 x %2 pixels").arg(info.screenPixels.width()).arg(info.screenPixels.height()),
        QStringLiteral("Dpi................... : %1").arg(info.dpi),
        QStringLiteral("Time / Date..... :"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

QString resolutionWarning(int dpi)
{
    return QStringList{
        QStringLiteral("Uw beeldscherm is ingesteld op %1 DPI (Dots Per Inch)").arg(dpi),
        QStringLiteral("wijzig dit naar 96 DPI. Op onderstaande internet site"),
        QStringLiteral("is beschreven hoe deze wijziging kan worden gedaan."),
        QString::fromLatin1(ResolutionHelpAddress),
    }.join(QStringLiteral("\r\n"));
}
