#pragma once
// The print copy of the slanted and circular gradients, computed pixel by
// pixel: each print pixel takes the colour of the last band or disc that
// covers its centre when that band or disc is drawn at CardSurface::PrintScale
// times the size (without antialiasing). Drawing hundreds of wide bands or
// card-sized discs one after the other on the print copy would take seconds.
#include <QImage>
#include <cstdint>
#include <vector>

// A slanted band: the line from screen pixel (position, 0) to (0, position)
// with a round pen penWidth pixels wide, as the gradient draws it.
struct DiagonalBand {
    int position;
    std::uint32_t colour; // 0x00BBGGRR
};

// A solid disc around the gradient's centre; radius in screen pixels.
struct GradientDisc {
    double radius;
    std::uint32_t colour;
};

bool diagonalBandCovers(const DiagonalBand& band, int penWidth, int x, int y);
// `bands` in drawing order, their positions all rising or all falling.
void paintDiagonalBands(QImage& print, const std::vector<DiagonalBand>& bands, int penWidth);

bool discCovers(const GradientDisc& disc, double centreX, double centreY, int x, int y);
// `discs` in drawing order, their radii never growing.
void paintDiscs(QImage& print, const std::vector<GradientDisc>& discs, double centreX, double centreY);
