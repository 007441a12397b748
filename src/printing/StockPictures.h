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
// The indices of the sample sheets in the picture holder's array.
enum SampleSheet : int { EnvelopSample = 3, KalenderSample = 4, AdresLijstSample = 6, EtikettenSample = 7 };
// Sample sheets of the print window, 130 x 180 times `scale` (at most 4), by
// SampleSheet index. Any other index gives a null image.
QImage Img(int index, int scale = 1);
}
