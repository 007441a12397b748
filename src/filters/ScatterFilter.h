#pragma once
// Error-diffusion halftone: every pixel becomes black or white by comparing
// its grey level, corrected by the errors of earlier pixels, with the
// picture's mean grey. p damps the pushed errors (times 10, divided by p);
// it must not be 0.
#include "filters/FilterPixels.h"

void Scattered(FilterPixels& pixels, Progress& progress, int p);
