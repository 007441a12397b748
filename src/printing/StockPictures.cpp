#include "printing/StockPictures.h"

namespace StockPictures {

QImage Achterkant()
{
    QImage image(515, 365, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage Portret()
{
    QImage image(515, 365, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage Img(int index)
{
    if (index != 3 && index != 4 && index != 6 && index != 7)
        return QImage();
    QImage image(130, 180, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

}
