#pragma once
// The picture store: stock pictures the windows and sheets use, drawn by the
// program itself at `ratio` device pixels to a logical pixel.
#include "platform/SharpPicture.h"

#include <QImage>

namespace Plaatjes {
// The banner under the card, 529 x 44 logical pixels.
QImage titlePicture(qreal ratio = 1);
// Picture items by index; 10..13 are the corner pictures (231 x 44) that the
// clock cycles through. An unknown index gives a null image.
QImage Img(int index, qreal ratio = 1);
// Picture item `index`, to be drawn at the ratio of the screen that shows it.
PictureAtRatio picture(int index);
}
