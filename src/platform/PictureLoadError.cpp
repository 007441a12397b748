#include "platform/PictureLoadError.h"

#include "platform/BusyPointer.h"
#include "platform/Dialogs.h"

#include <QFileInfo>

const char* const PhotoLoadMessageTitle = " Open Foto";

QString photoLoadMessage(const QString& fileName, PictureLoadError error)
{
    const char* reason = "het bestand is beschadigd of onvolledig";
    switch (error) {
    case PictureLoadError::Unsupported: reason = "dit bestandstype wordt niet ondersteund"; break;
    case PictureLoadError::TooManyPixels: reason = "de foto is te groot (meer dan 100 miljoen pixels)"; break;
    case PictureLoadError::TooLarge: reason = "de foto is te groot om te openen"; break;
    case PictureLoadError::Unreadable: reason = "het bestand kan niet worden gelezen"; break;
    case PictureLoadError::Damaged:
    case PictureLoadError::None: break;
    }
    return QStringLiteral("%1 kan niet als foto worden geopend: %2.").arg(fileName, QString::fromUtf8(reason));
}

void showPhotoLoadFailure(QWidget* parent, const QString& path, PictureLoadError error)
{
    showNormalPointer();
    Dialogs::showMessage(parent, photoLoadMessage(QFileInfo(path).fileName(), error),
                         QString::fromLatin1(PhotoLoadMessageTitle), Dialogs::Icon::Warning);
}
