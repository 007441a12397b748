#pragma once
// Runs one numbered filter over a picture and writes the result back into it.
//
//  1 Sharpen     2 Negative    3 Blur        4 Defuse      6 Edge
//  7 Contour    12 Grayscale  13 Relief     14 Brightness 15 Pixelize
// 16 SwapColors 17 Contrast   23 Scattered  24 Aquarel    29 AddNoise
//
// `progress` receives 0..100 while the filter works; after every row the
// window gets a chance to handle its events (Progress::step). A run holds the
// busy guard: a call made while other work is under way (from such an event)
// returns at once and changes nothing. The fourth byte of every pixel is left
// as it was.
#include <QImage>

class DrawingSurface;
class Progress;

namespace FilterNumber {
// The numbers that RunFilter takes, one per filter.
enum : int {
    Sharpen = 1,
    Negative = 2,
    Blur = 3,
    Defuse = 4,
    Edge = 6,
    Contour = 7,
    Grayscale = 12,
    Relief = 13,
    Brightness = 14,
    Pixelize = 15,
    SwapColors = 16,
    Contrast = 17,
    Scattered = 23,
    Aquarel = 24,
    AddNoise = 29,
};
}


void RunFilter(int filterNumber, QImage& image, int parameter, Progress& progress);
// The same, with the figure kept in a plain integer.
void RunFilter(int filterNumber, QImage& image, int parameter, int& progress);

// The same filter over both copies of the card in one run: the screen copy
// first, for the first few percent of the progress, then the print copy,
// where neighbours, blocks and moves are a screen pixel's block apart and the
// random numbers and decisions are the screen's. Both results are written
// back together at the end, so the copies never disagree. A surface without
// a print copy is filtered as a plain picture.
void RunFilter(int filterNumber, DrawingSurface& card, int parameter, Progress& progress);
void RunFilter(int filterNumber, DrawingSurface& card, int parameter, int& progress);
