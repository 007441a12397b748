#pragma once
// The twelve drawing tools, each one small class behind one interface that
// turns the mouse on the card (card pixels) into an operation of the card.
// A gesture lasts from a button's press to its release; the history keeps it
// as one change.
#include <QPointF>

class CardContext;

class ToolBehaviour {
public:
    virtual ~ToolBehaviour() = default;
    virtual void press(CardContext& context, int button, QPointF at) = 0;
    // The pointer moved with the left button down.
    virtual void drag(CardContext& context, QPointF at) { (void)context; (void)at; }
    virtual void release(CardContext& context, int button, QPointF at) { (void)context; (void)button; (void)at; }
    // The gesture ends without its operation (the click placed a text instead):
    // nothing it showed on the card or over it stays.
    virtual void cancel(CardContext& context) { (void)context; }
};

// Tool n = 1..12, or nullptr.
ToolBehaviour* drawingTool(int n);
