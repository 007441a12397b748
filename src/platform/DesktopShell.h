#pragma once
// Opens a file or web address with the desktop's registered program. The result
// is not reported: when nothing can open the target, nothing happens.
#include <QString>
#include <functional>

void OpenDocument(const QString& target);

namespace DesktopShell {
// Replaces the opener (tests record the targets); an empty function restores the desktop's.
void setOpener(std::function<void(const QString&)> opener);
}
