#pragma once
// Filters that compute each pixel from the pixels around it. Sharpen, Blur,
// Edge and Defuse work in place: the neighbours above and to the left already
// hold their new values when a pixel is computed, which shapes the result.
// The others read the untouched copy of the picture.
#include "filters/FilterPixels.h"

void Sharpen(FilterPixels& pixels, Progress& progress, int p);
void Blur(FilterPixels& pixels, Progress& progress);
void Edge(FilterPixels& pixels, Progress& progress, int p);
// `colour` (0x00BBGGRR) is added to every channel's outline value.
void Contour(FilterPixels& pixels, Progress& progress, int colour);
void Relief(FilterPixels& pixels, Progress& progress);
// Averages blocks of p x p pixels aligned at the top-left corner.
void Pixelize(FilterPixels& pixels, Progress& progress, int p);
// Gives each pixel the mean of the calmest of the four 3 x 3 windows it is a corner of.
void Aquarel(FilterPixels& pixels, Progress& progress);
// Moves pixels at random by up to p / 2 in each direction.
void Defuse(FilterPixels& pixels, Progress& progress, int p);

struct SplitRgb {
    int red;
    int green;
    int blue;
};
// The components of a 0x00BBGGRR value; red keeps the sign of a negative value.
SplitRgb SplitColor(int colour);
