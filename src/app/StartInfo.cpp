#include "app/StartInfo.h"

#include "platform/Rounding.h"

#include <QCoreApplication>
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
        return QCoreApplication::translate("Titel", "Error");
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
    const QString platform =
        QCoreApplication::translate("Titel", "For %1-bit computers with Linux.").arg(QSysInfo::WordSize);
    const QString date = info.fileDate.isValid()
        ? QLocale().toString(info.fileDate.date(), QLocale::ShortFormat) + ' '
            + QLocale().toString(info.fileDate.time(), QStringLiteral("H:mm:ss"))
        : QString();
    const QStringList lines = {
        platform,
        QString(),
        QCoreApplication::translate("Titel", "Version number : %1").arg(info.versionText),
        QCoreApplication::translate("Titel", "Filesize............. : %1 Bytes").arg(info.sizeText),
        QCoreApplication::translate("Titel", "Filedate............ : %1").arg(date),
        QCoreApplication::translate("Titel", "Screen............. : %1 x %2 pixels")
            .arg(info.screenPixels.width())
            .arg(info.screenPixels.height()),
        QCoreApplication::translate("Titel", "Dpi................... : %1").arg(info.dpi),
        QCoreApplication::translate("Titel", "Time / Date..... :"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

QString resolutionWarning(int dpi)
{
    // One text, so that a translation may break its lines where its own words fall.
    const QString lines = QCoreApplication::translate("Titel",
                                                      "Uw beeldscherm is ingesteld op %1 DPI (Dots Per Inch)\n"
                                                      "wijzig dit naar 96 DPI. Op onderstaande internet site\n"
                                                      "is beschreven hoe deze wijziging kan worden gedaan.")
                              .arg(dpi);
    return (lines.split(QLatin1Char('\n')) << QString::fromLatin1(ResolutionHelpAddress)).join(QStringLiteral("\r\n"));
}
