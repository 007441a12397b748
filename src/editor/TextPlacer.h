#pragma once
// Text on the card: the preview that follows the pointer and the click that
// prints the prepared text.
#include <QPointF>
#include <QSizeF>

class CardContext;

// Top-left corner of a preview of `size` whose bottom-right corner stands
// 5 pixels up and left of the pointer (x, y).
QPointF previewTopLeft(double x, double y, QSizeF size);

// Moves the preview Label12 to follow the pointer (x, y) in card pixels.
void movePreview(CardContext& context, double x, double y);

// Prints the text prepared with "Plaats" at the pointer (x, y), horizontally or
// turned a quarter turn when "Tekst Vertikaal" is checked.
void placeTextAt(CardContext& context, double x, double y);
