#pragma once
// The picture store: stock pictures the windows and sheets use, drawn by the
// program itself.
#include <QImage>

namespace Plaatjes {
// The banner under the card, 529 x 44 pixels.
QImage titlePicture();
// Picture items by index; 10..13 are the corner pictures (231 x 44) that the
// clock cycles through. An unknown index gives a null image.
QImage Img(int index);
}
