#include "platform/PictureLoadError.h"

#include "platform/BusyPointer.h"
#include "platform/Dialogs.h"

#include <QCoreApplication>
#include <QFileInfo>

const char* const PhotoLoadMessageTitle = QT_TRANSLATE_NOOP("PictureLoadError", " Open Foto");

QString photoLoadMessage(const QString& fileName, PictureLoadError error)
{
    const char* reason = QT_TRANSLATE_NOOP("PictureLoadError", "het bestand is beschadigd of onvolledig");
    switch (error) {
    case PictureLoadError::Unsupported:
        reason = QT_TRANSLATE_NOOP("PictureLoadError", "dit bestandstype wordt niet ondersteund");
        break;
    case PictureLoadError::TooManyPixels:
        reason = QT_TRANSLATE_NOOP("PictureLoadError", "de foto is te groot (meer dan 100 miljoen pixels)");
        break;
    case PictureLoadError::TooLarge:
        reason = QT_TRANSLATE_NOOP("PictureLoadError", "de foto is te groot om te openen");
        break;
    case PictureLoadError::Unreadable:
        reason = QT_TRANSLATE_NOOP("PictureLoadError", "het bestand kan niet worden gelezen");
        break;
    case PictureLoadError::Damaged:
    case PictureLoadError::None: break;
    }
    return QCoreApplication::translate("PictureLoadError", "%1 kan niet als foto worden geopend: %2.")
        .arg(fileName, QCoreApplication::translate("PictureLoadError", reason));
}

void showPhotoLoadFailure(QWidget* parent, const QString& path, PictureLoadError error)
{
    showNormalPointer();
    Dialogs::showMessage(parent, photoLoadMessage(QFileInfo(path).fileName(), error),
                         QCoreApplication::translate("PictureLoadError", PhotoLoadMessageTitle), Dialogs::Icon::Warning);
}
