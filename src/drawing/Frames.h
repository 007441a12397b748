#pragma once
// White decorations on the card: a border along the edge and a disc or a
// diamond in the middle, to leave room for text.
#include <QString>

class CardSurface;

// The widths of the border entries ("Smal", "Medium", "Breed"), and their
// captions in the language of the interface.
constexpr int BorderWidths[] = {1, 5, 10};
QString borderCaption(int width);
// The centre shapes: 1 "Midden Circel", 2 "Midden Ruit".
QString centreShapeCaption(int index);

// A white band `width` pixels wide along all four edges.
void drawWhiteBorder(CardSurface& surface, int width);
// A solid white disc of radius 80 around (258, 182).
void drawCentreDisc(CardSurface& surface);
// A solid white diamond around (258, 182), corners 80 pixels from the centre.
void drawCentreDiamond(CardSurface& surface);
