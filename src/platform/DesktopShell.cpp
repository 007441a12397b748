#include "platform/DesktopShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {
std::function<void(const QString&)>& opener()
{
    static std::function<void(const QString&)> current;
    return current;
}

QUrl urlFor(const QString& target)
{
    const QUrl url(target);
    if (url.isValid() && !url.scheme().isEmpty() && url.scheme().size() > 1)
        return url;
    return QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
}
}

void OpenDocument(const QString& target)
{
    if (opener()) {
        opener()(target);
        return;
    }
    QDesktopServices::openUrl(urlFor(target));
}

void DesktopShell::setOpener(std::function<void(const QString&)> newOpener)
{
    opener() = std::move(newOpener);
}
