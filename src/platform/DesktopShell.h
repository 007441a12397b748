#pragma once
// Opens a file or web address with the desktop's registered program.
#include <QString>
#include <functional>

class QWidget;

// True when the desktop took the target: for a file, one that exists.
bool OpenDocument(const QString& target);

// The same, and when the desktop cannot open the target, a Dutch message over
// `owner` names the file or address.
void OpenDocument(QWidget* owner, const QString& target);

namespace DesktopShell {
// Replaces the opener (tests record the targets and give the answer); an empty
// function restores the desktop's.
void setOpener(std::function<bool(const QString&)> opener);
}
