#pragma once
// Flood fill of a colour region on a 32-bit image.
#include <QImage>
#include <cstdint>

// Gives every pixel of exactly the start pixel's colour that is connected to
// (x, y) through its four neighbours the colour `value` (0x00BBGGRR). Works
// span by span with its own stack, so a region of any size is safe. Returns
// the number of pixels changed; a start outside the image changes nothing.
int floodFill(QImage& image, int x, int y, std::uint32_t value);
