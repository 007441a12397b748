#pragma once
// Edits of the card's document. Each is one step of the history (or joins the
// change under way) and leaves the card's pixels as drawing the document
// gives them. Refused while other work runs and lets window events through.
#include "editor/CardOperation.h"

#include <QImage>
#include <functional>

class CardContext;

// Draws `operation` on the card as it is and adds it to the document.
void addOperation(CardContext& context, Operation operation);
// Adds an operation already on the card: a gesture that its own operation
// drew piece by piece while the mouse moved.
void addDrawnOperation(CardContext& context, Operation operation);
// Puts `operation` in place of the one at `index`: the card is drawn again
// from there, every later operation over it.
void replaceOperation(CardContext& context, int index, Operation operation);
// Takes the operation at `index` out: the card is drawn again without it,
// every later operation over what is left.
void removeOperation(CardContext& context, int index);
// A change previewed while the mouse or the keys go on: the card in its
// screen-only mode (the print copy waits), drawn once up to the operation at
// `index`; that picture is returned, to start each preview step from.
QImage drawScreenUpTo(CardContext& context, int index);
// One preview step: the screen copy becomes `below`, with the changed
// operation drawn by `drawChanged` (when given) and every later one over it.
void previewOnScreen(CardContext& context, const QImage& below, int index,
                     const std::function<void(CardSurface&)>& drawChanged = {});
// Draws the whole card again from its document.
void redrawCard(CardContext& context);
