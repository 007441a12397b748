#pragma once
// Stock pictures of the print sheets, drawn by the program itself.
#include <QImage>

namespace StockPictures {
// Back panel of a landscape double card, 515 x 365 times `scale` (the print
// copy's scale gives the print copy's resolution), emblem upside down.
QImage Achterkant(int scale = 1);
// Back panel of a portrait double card, 515 x 365 times `scale`, emblem a
// quarter turn (its text reads from bottom to top).
QImage Portret(int scale = 1);
// Sample sheets of the print window, 130 x 180: 3 envelope, 4 calendar,
// 6 address list, 7 labels. Any other index gives a null image.
QImage Img(int index);
}
