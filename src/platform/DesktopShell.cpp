#include "platform/DesktopShell.h"

#include "platform/Dialogs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {
std::function<bool(const QString&)>& opener()
{
    static std::function<bool(const QString&)> current;
    return current;
}

QUrl urlFor(const QString& target)
{
    const QUrl url(target);
    if (url.isValid() && !url.scheme().isEmpty() && url.scheme().size() > 1)
        return url;
    return QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
}

bool isWebAddress(const QUrl& url)
{
    return !url.isLocalFile();
}
}

bool OpenDocument(const QString& target)
{
    if (opener())
        return opener()(target);
    const QUrl url = urlFor(target);
    // The desktop's opener runs on its own and reports nothing about a missing file.
    if (url.isLocalFile() && !QFileInfo(url.toLocalFile()).isFile())
        return false;
    return QDesktopServices::openUrl(url);
}

void OpenDocument(QWidget* owner, const QString& target)
{
    if (OpenDocument(target))
        return;
    const QUrl url = urlFor(target);
    const QString text = isWebAddress(url)
        ? QCoreApplication::translate("DesktopShell",
                                      "Het adres %1 kon niet worden geopend.\nEr is geen webbrowser gevonden die het kan tonen.")
              .arg(url.toString())
        : QCoreApplication::translate("DesktopShell", "Het bestand %1 kon niet worden geopend.\nHet bestaat niet, of er is "
                                                      "geen programma gevonden dat het kan tonen.")
              .arg(QDir::toNativeSeparators(url.toLocalFile()));
    Dialogs::showMessage(owner, text, QCoreApplication::translate("DesktopShell", " Openen"), Dialogs::Icon::Warning);
}

void DesktopShell::setOpener(std::function<bool(const QString&)> newOpener)
{
    opener() = std::move(newOpener);
}
