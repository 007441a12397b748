#include "editor/CardOperation.h"

#include "platform/CardSurface.h"
#include "platform/Progress.h"

#include <atomic>

namespace {
std::atomic<quint64> lastId{0};
}

CardOperation::CardOperation() : id_(++lastId) {}

const ProgressDisplays& ProgressDisplays::quiet()
{
    static NoProgress none;
    static const ProgressDisplays displays{none, none};
    return displays;
}

void drawOperation(CardSurface& card, const CardOperation& operation, const ProgressDisplays& progress)
{
    static_cast<DrawingState&>(card) = DrawingState();
    operation.draw(card, progress);
    static_cast<DrawingState&>(card) = DrawingState();
}
