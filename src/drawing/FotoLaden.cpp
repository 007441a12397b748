#include "drawing/FotoLaden.h"

#include "app/Main.h"
#include "platform/BusyPointer.h"
#include "platform/Dialogs.h"
#include "platform/PictureLoader.h"

#include <QAction>
#include <QFileInfo>
#include <cmath>

namespace {
const char* const PhotoFilter = "Foto ( Jpg, Bmp, Gif, Wmf )|*.jpg;*.bmp;*.gif;*.wmf";
}

void FotoLaden(Main& main, double x1, double y1, double x2, double y2)
{
    const QString path = Dialogs::openFileName(&main, "Foto importeren", PhotoFilter);
    if (path.isEmpty())
        return;
    main.takeUndoCopyOfBasePicture();
    BusyPointer busy;
    main.state.photoFileName = path;
    const double width = x2 - x1;
    const double height = y2 - y1;
    const QSize target(std::isfinite(width) ? int(std::ceil(width)) : 0, std::isfinite(height) ? int(std::ceil(height)) : 0);
    const std::optional<LoadedPicture> loaded = PictureLoader::load(path, target);
    if (!loaded)
        return;
    main.BackPic = loaded->image;
    main.state.photoWidth = loaded->width;
    main.state.photoHeight = loaded->height;
    main.setPhotoCaption(QFileInfo(path).fileName() + " / " + QString::number(main.state.photoWidth)
                         + " x " + QString::number(main.state.photoHeight) + " pixels");
    main.card.paintPicture(main.BackPic, x1, y1, width, height);
    main.card.refresh();
    main.state.currentTool = 0;
}
