#pragma once
// Conversions and effects painted straight onto the card's current image,
// pixel by pixel over the card's fixed ranges (pixels outside the image are
// skipped). Those that take a progress bar show it, move it along their outer
// loop and hide it again at value 0; the bar may be null.
#include <QImage>

class CardSurface;
class QProgressBar;

void FlipHorizontal(QImage& card);
void FlipVertical(QImage& card);
// Column x of the left half goes to column 515 - x (column 0 falls off the card).
void MirrorRight(QImage& card, QProgressBar* progBar);
// Row y of the top half goes to row 365 - y (row 0 falls off; rows 182 and 183 both end as row 182).
void MirrorDown(QImage& card, QProgressBar* progBar);
// The card stretched into an upright `backPic` and turned a quarter anticlockwise back onto the card.
void TiltCard(QImage& card, QImage& backPic, QProgressBar* progBar);
// Lays the colour over the card as a chequer: pixels whose x and y are both even or both odd.
void Transparent(QImage& card, QProgressBar* progBar, int red, int green, int blue);
// Tones a grey picture brown.
void SepiaTone(QImage& card, QProgressBar* progBar);

// The same on both copies of the card, written back together; on the print
// copy every screen pixel stands for its block, so the fixed ranges, the
// mirror lines and the chequer squares are that block's size. The bar moves
// once over both copies. `backPic` serves the screen copy, as above.
void FlipHorizontal(CardSurface& card);
void FlipVertical(CardSurface& card);
void MirrorRight(CardSurface& card, QProgressBar* progBar);
void MirrorDown(CardSurface& card, QProgressBar* progBar);
void TiltCard(CardSurface& card, QImage& backPic, QProgressBar* progBar);
void Transparent(CardSurface& card, QProgressBar* progBar, int red, int green, int blue);
void SepiaTone(CardSurface& card, QProgressBar* progBar);
