#pragma once
// Conversions and effects painted straight onto the card's current image,
// pixel by pixel over the card's fixed ranges (pixels outside the image are
// skipped). Those that take a progress display show it, move it along their
// outer loop and hide it again at value 0; the display may be null.
#include <QImage>

class CardSurface;
class Progress;

void FlipHorizontal(QImage& card);
void FlipVertical(QImage& card);
// Column x of the left half goes to column 515 - x (column 0 falls off the card).
void MirrorRight(QImage& card, Progress* progress);
// Row y of the top half goes to row 365 - y (row 0 falls off; rows 182 and 183 both end as row 182).
void MirrorDown(QImage& card, Progress* progress);
// The card stretched into an upright `backPic` and turned a quarter anticlockwise back onto the card.
void TiltCard(QImage& card, QImage& backPic, Progress* progress);
// Lays the colour over the card as a chequer: pixels whose x and y are both even or both odd.
void Transparent(QImage& card, Progress* progress, int red, int green, int blue);
// Tones a grey picture brown.
void SepiaTone(QImage& card, Progress* progress);

// The same on both copies of the card, written back together; on the print
// copy every screen pixel stands for its block, so the fixed ranges, the
// mirror lines and the chequer squares are that block's size. The bar moves
// once over both copies. `backPic` serves the screen copy, as above.
void FlipHorizontal(CardSurface& card);
void FlipVertical(CardSurface& card);
void MirrorRight(CardSurface& card, Progress* progress);
void MirrorDown(CardSurface& card, Progress* progress);
void TiltCard(CardSurface& card, QImage& backPic, Progress* progress);
void Transparent(CardSurface& card, Progress* progress, int red, int green, int blue);
void SepiaTone(CardSurface& card, Progress* progress);
