#pragma once
// Filters that change each pixel from its own colour alone.
#include "filters/FilterPixels.h"

void Negative(FilterPixels& pixels, Progress& progress);
void Grayscale(FilterPixels& pixels, Progress& progress);
// p = 4 lightens by 4 percent, p = -4 darkens.
void Brightness(FilterPixels& pixels, Progress& progress, int p);
// p = 1..5: BRG, GBR, RBG, BGR, GRB (the old channels that feed red, green, blue).
void SwapColors(FilterPixels& pixels, Progress& progress, int p);
// p = 10 raises the contrast around the picture's mean grey by 10 percent, -10 lowers it.
void Contrast(FilterPixels& pixels, Progress& progress, int p);
// Adds a random offset from -p to p + 1 to every channel.
void AddNoise(FilterPixels& pixels, Progress& progress, int p);

// Brings contrast tone values into 0..255: a clamped channel passes half its
// excess to each of the other two, until all three fit.
void balanceChannels(int& b, int& g, int& r);
