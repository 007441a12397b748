#pragma once
// Flood fill of a colour region on a 32-bit image, and on the card.
#include "platform/CardSurface.h"

#include <QImage>
#include <cstdint>
#include <vector>

// Gives every pixel of exactly the start pixel's colour that is connected to
// (x, y) through its four neighbours the colour `value` (0x00BBGGRR). Works
// span by span with its own stack, so a region of any size is safe. Returns
// the number of pixels changed; a start outside the image changes nothing.
// When `runs` is given, every filled run of pixels is added to it.
int floodFill(QImage& image, int x, int y, std::uint32_t value,
              std::vector<CardSurface::PixelRun>* runs = nullptr);

// The same on the card: the region is decided on the screen picture and
// filled there and, block by block, on the print copy, so the two agree.
int floodFill(CardSurface& card, int x, int y, std::uint32_t value);
