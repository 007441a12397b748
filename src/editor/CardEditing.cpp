#include "editor/CardEditing.h"

#include "editor/CardContext.h"
#include "editor/CardHistory.h"
#include "editor/CardReplay.h"
#include "editor/EditorState.h"
#include "platform/BusyGuard.h"
#include "platform/CardSurface.h"

void addOperation(CardContext& context, Operation operation)
{
    if (!operation || BusyGuard::working())
        return;
    CardHistory::Change change(context.history());
    CardSurface& card = context.card();
    drawOperation(card, *operation, {context.filterProgress(), context.effectProgress()});
    addDrawnOperation(context, std::move(operation));
    card.refresh();
}

void addDrawnOperation(CardContext& context, Operation operation)
{
    if (!operation)
        return;
    CardHistory::Change change(context.history());
    CardDocument& document = context.state().document;
    document = document.adding(std::move(operation));
    context.replay().remember(context.card(), document);
}

void replaceOperation(CardContext& context, int index, Operation operation)
{
    CardDocument& document = context.state().document;
    if (!operation || index < 0 || index >= document.size() || BusyGuard::working())
        return;
    CardHistory::Change change(context.history());
    document = document.replacing(index, std::move(operation));
    // A checkpoint just before the changed operation makes the next change
    // of the same operation (the next wheel step) quick.
    context.replay().replay(context.card(), document, index);
    context.replay().replay(context.card(), document);
}

void redrawCard(CardContext& context)
{
    context.replay().replay(context.card(), context.state().document);
}
