#include "editor/CardEditing.h"

#include "editor/CardContext.h"
#include "editor/CardHistory.h"
#include "editor/CardReplay.h"
#include "editor/EditorState.h"
#include "editor/TextSelection.h"
#include "platform/BusyGuard.h"
#include "platform/CardSurface.h"
#include "platform/EventPump.h"
#include "platform/Progress.h"

#include <QElapsedTimer>
#include <QRect>

void addOperation(CardContext& context, Operation operation)
{
    finishTextEditing(context);
    if (!operation || BusyGuard::working())
        return;
    CardHistory::Change change(context.history());
    CardSurface& card = context.card();
    // A photo is adjusted later by drawing from the card as it was before it.
    if (operation->kind() == OperationKind::PhotoInFrame)
        context.replay().remember(card, context.state().document);
    QElapsedTimer drawing;
    drawing.start();
    drawOperation(card, *operation, {context.filterProgress(), context.effectProgress()});
    CardDocument& document = context.state().document;
    document = document.adding(std::move(operation));
    context.replay().drawnLive(card, document, drawing.elapsed());
    card.refresh();
}

void addDrawnOperation(CardContext& context, Operation operation)
{
    finishTextEditing(context);
    if (!operation)
        return;
    CardHistory::Change change(context.history());
    CardDocument& document = context.state().document;
    document = document.adding(std::move(operation));
    context.replay().drawnLive(context.card(), document, 0);
}

void replaceOperation(CardContext& context, int index, Operation operation)
{
    finishTextEditing(context);
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

void removeOperation(CardContext& context, int index)
{
    finishTextEditing(context);
    CardDocument& document = context.state().document;
    if (index < 0 || index >= document.size() || BusyGuard::working())
        return;
    // A selected text may move to another place in the list: the selection ends.
    context.state().selectedText = -1;
    context.overlays().showSelection(QRect());
    // Every later operation is drawn again: a long replay, during which the
    // window keeps answering and the strip follows the filters.
    const BusyGuard busy(BusyGuard::Kind::Hold);
    const ShownProgress strip(context.filterProgress());
    CardHistory::Change change(context.history());
    document = document.removing(index);
    context.replay().replayLettingEventsRun(context.card(), document, {context.filterProgress(), context.effectProgress()});
}

QImage drawScreenUpTo(CardContext& context, int index)
{
    CardSurface& card = context.card();
    card.setScreenOnly(true);
    context.replay().replay(card, context.state().document, index);
    return card.image();
}

void previewOnScreen(CardContext& context, const QImage& below, int index,
                     const std::function<void(CardSurface&)>& drawChanged)
{
    const CardDocument& document = context.state().document;
    CardSurface& card = context.card();
    const EventPump::Pause pause;
    card.setImages(below, QImage());
    if (drawChanged)
        drawChanged(card);
    for (int i = index + 1; i < document.size(); ++i)
        drawOperation(card, document.at(i));
    card.refresh();
}

void redrawCard(CardContext& context)
{
    context.replay().replay(context.card(), context.state().document);
}
