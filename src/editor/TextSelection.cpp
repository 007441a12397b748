#include "editor/TextSelection.h"

#include "editor/CardContext.h"
#include "editor/CardEditing.h"
#include "editor/CardHistory.h"
#include "editor/CardLayouts.h"
#include "editor/CardReplay.h"
#include "editor/EditorState.h"
#include "editor/TextOperation.h"
#include "platform/CardSurface.h"
#include "platform/BusyGuard.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTimer>
#include <Qt>
#include <cmath>

const char* const TextSelectedMessage =
    QT_TRANSLATE_NOOP("Main", "Sleep de tekst, pas hem aan in het tekstpaneel, of verwijder hem met Delete");

// Changes from the text panel while the print copy waits: one open change of
// the history, closed when the print copy is drawn.
struct TextEditing {
    QTimer pause;
    int text = -1;
};

// A press on a selected text, until its release: a move once the pointer moves.
struct TextDrag {
    int text = -1;
    QPointF start;
    QPoint distance;
    bool following = false;
    QImage below; // the screen copy of the card drawn up to the text
};

namespace {

constexpr int LeftButton = 1;
constexpr int ShiftBit = 1;
// The history's change of pending text edits is held open like a drag of this "button".
constexpr int TypingGesture = 1 << 12;

const TextOperation* textOf(const CardDocument& document, int index)
{
    if (index < 0 || index >= document.size() || document.at(index).kind() != OperationKind::Text)
        return nullptr;
    return static_cast<const TextOperation*>(&document.at(index));
}

QPoint cardPixel(double x, double y)
{
    return QPoint(int(std::floor(std::isfinite(x) ? std::clamp(x, -1e6, 1e6) : -1)),
                  int(std::floor(std::isfinite(y) ? std::clamp(y, -1e6, 1e6) : -1)));
}

// A fill covers the point when it changed the pixel there: the card drawn up
// to the fill and with it, on a screen copy of its own.
bool fillCovers(CardContext& context, int index, QPoint point)
{
    CardSurface scratch;
    scratch.setScreenOnly(true);
    context.replay().replay(scratch, context.state().document, index);
    const qint64 before = scratch.point(point.x(), point.y());
    drawOperation(scratch, context.state().document.at(index));
    return scratch.point(point.x(), point.y()) != before;
}

// Whether the operation at `index` covers `point` with what it paints.
bool covers(CardContext& context, int index, QPoint point)
{
    const CardOperation& operation = context.state().document.at(index);
    return operation.kind() == OperationKind::Fill ? fillCovers(context, index, point) : operation.paintsOver(point);
}

void showSelected(CardContext& context, int index)
{
    const TextOperation* text = textOf(context.state().document, index);
    context.overlays().showSelection(text ? text->area() : QRect());
}

void replaceText(CardContext& context, int index, Operation text, int series)
{
    CardHistory::Change change(context.history());
    if (series != 0)
        context.history().joinSeries(series);
    replaceOperation(context, index, std::move(text));
    context.card().refresh();
    showSelected(context, index);
}

// Typing letters into a selected text, with pauses under a second, is one step.
int typingSeries(int index)
{
    return -1 - index;
}

// The screen copy shows the changed text at once, every later operation over it.
void showOnScreen(CardContext& context, int index)
{
    const QImage below = drawScreenUpTo(context, index);
    const CardOperation& text = context.state().document.at(index);
    previewOnScreen(context, below, index, [&text](CardSurface& card) { drawOperation(card, text); });
}

void startFollowing(CardContext& context, TextDrag& drag)
{
    context.history().openDrag(LeftButton);
    drag.below = drawScreenUpTo(context, drag.text);
    drag.following = true;
}

void follow(CardContext& context, TextDrag& drag, QPointF at)
{
    if (!drag.following)
        startFollowing(context, drag);
    const QPointF moved = at - drag.start;
    drag.distance = QPoint(int(std::lround(std::clamp(moved.x(), -1e5, 1e5))), int(std::lround(std::clamp(moved.y(), -1e5, 1e5))));
    const Operation text = textOf(context.state().document, drag.text)->movedBy(drag.distance);
    previewOnScreen(context, drag.below, drag.text, [&text](CardSurface& card) { drawOperation(card, *text); });
    context.overlays().showSelection(static_cast<const TextOperation&>(*text).area());
}

void finish(CardContext& context, TextDrag& drag)
{
    if (!drag.following)
        return;
    drag.following = false;
    context.card().setScreenOnly(false);
    if (drag.distance.isNull())
        redrawCard(context);
    else
        replaceText(context, drag.text, textOf(context.state().document, drag.text)->movedBy(drag.distance), 0);
    context.card().refresh();
    context.history().closeDrag(LeftButton);
}

bool toolInUse(const EditorState& state)
{
    return state.currentLayout == Layout::FreeDrawing && state.currentTool != 0;
}

}

int textAt(CardContext& context, QPoint point)
{
    const CardDocument& document = context.state().document;
    for (int i = document.size() - 1; i >= 0; --i) {
        const TextOperation* text = textOf(document, i);
        if (!text || !text->area().contains(point))
            continue;
        bool covered = false;
        for (int later = i + 1; later < document.size() && !covered; ++later)
            covered = covers(context, later, point);
        if (!covered)
            return i;
    }
    return -1;
}

int selectedText(const EditorState& state)
{
    return textOf(state.document, state.selectedText) ? state.selectedText : -1;
}

void selectText(CardContext& context, int index)
{
    EditorState& state = context.state();
    const TextOperation* text = textOf(state.document, index);
    if (!text)
        return;
    if (state.selectedText != index)
        endTextSelection(context);
    state.selectedText = index;
    EditorState::TextChoice& choice = state.textChoice;
    choice.text = text->text();
    choice.size = QString::number(text->font().size);
    choice.fontName = text->font().name;
    choice.bold = text->font().bold;
    choice.italic = text->font().italic;
    choice.underline = text->font().underline;
    choice.vertical = text->vertical();
    choice.halo = text->ink().outline;
    state.drawColor = Rgb::fromValue(text->ink().drawColor);
    state.fillColor = Rgb::fromValue(text->ink().fillColor);
    context.colorsChanged();
    context.textChoiceChanged();
    context.markTextSize(true);
    showSelected(context, index);
    context.setInformation(QString::fromUtf8(TextSelectedMessage));
}

void endTextSelection(CardContext& context)
{
    finishTextEditing(context);
    EditorState& state = context.state();
    const int index = selectedText(state);
    state.selectedText = -1;
    context.overlays().showSelection(QRect());
    context.markTextSize(true);
    if (index < 0)
        return;
    if (textOf(state.document, index)->text().isEmpty())
        removeOperation(context, index);
    context.setInformation(QStringLiteral(QT_TRANSLATE_NOOP("Main", "Informatie...")));
}

bool textMouseDown(CardContext& context, int button, double x, double y)
{
    finishTextEditing(context);
    EditorState& state = context.state();
    if (button != LeftButton || state.placingText || toolInUse(state))
        return false;
    if (state.textDrag)
        finish(context, *state.textDrag);
    const int text = textAt(context, cardPixel(x, y));
    if (text < 0) {
        endTextSelection(context);
        return false;
    }
    selectText(context, text);
    state.textDrag = std::make_shared<TextDrag>();
    state.textDrag->text = text;
    state.textDrag->start = QPointF(x, y);
    return true;
}

bool textMouseMove(CardContext& context, int button, double x, double y)
{
    EditorState& state = context.state();
    if (!(button & LeftButton) || !state.textDrag)
        return false;
    TextDrag& drag = *state.textDrag;
    if (drag.following || QPointF(x, y) != drag.start)
        follow(context, drag, QPointF(x, y));
    return true;
}

bool textMouseUp(CardContext& context, int button, double x, double y)
{
    EditorState& state = context.state();
    if (button != LeftButton || !state.textDrag)
        return false;
    const std::shared_ptr<TextDrag> drag = std::move(state.textDrag);
    if (drag->following) {
        follow(context, *drag, QPointF(x, y));
        finish(context, *drag);
    }
    return true;
}

bool textKey(CardContext& context, int keyCode, int shift)
{
    finishTextEditing(context);
    EditorState& state = context.state();
    const int index = selectedText(state);
    if (index < 0 || state.textDrag)
        return false;
    if (keyCode == Qt::Key_Escape) {
        endTextSelection(context);
        return true;
    }
    if (keyCode == Qt::Key_Delete) {
        state.selectedText = -1;
        context.overlays().showSelection(QRect());
        removeOperation(context, index);
        context.card().refresh();
        return true;
    }
    const int step = (shift & ShiftBit) ? 10 : 1;
    QPoint distance;
    switch (keyCode) {
    case Qt::Key_Left:
        distance = {-step, 0};
        break;
    case Qt::Key_Right:
        distance = {step, 0};
        break;
    case Qt::Key_Up:
        distance = {0, -step};
        break;
    case Qt::Key_Down:
        distance = {0, step};
        break;
    default:
        return false;
    }
    replaceText(context, index, textOf(state.document, index)->movedBy(distance), 0);
    return true;
}

void textPanelChanged(CardContext& context)
{
    EditorState& state = context.state();
    const int index = selectedText(state);
    if (index < 0)
        return;
    const EditorState::TextChoice& choice = state.textChoice;
    const TextOperation& text = *textOf(state.document, index);
    // A size that is not a number leaves the text at its size, and shows red.
    const std::optional<int> size = parseTextSize(choice.size);
    context.markTextSize(size.has_value());
    const TextFont font{choice.fontName, size.value_or(text.font().size), choice.bold, choice.italic, choice.underline};
    const TextInk ink{choice.halo, state.drawColor.value(), state.fillColor.value()};
    if (choice.text == text.text() && font.name == text.font().name && font.size == text.font().size
        && font.bold == text.font().bold && font.italic == text.font().italic && font.underline == text.font().underline
        && ink.outline == text.ink().outline && ink.drawColor == text.ink().drawColor && ink.fillColor == text.ink().fillColor
        && choice.vertical == text.vertical())
        return;
    if (BusyGuard::held())
        return;
    if (!state.textEditing) {
        state.textEditing = std::make_shared<TextEditing>();
        state.textEditing->text = index;
        state.textEditing->pause.setSingleShot(true);
        state.textEditing->pause.setInterval(TypingPause);
        QObject::connect(&state.textEditing->pause, &QTimer::timeout, [&context] { finishTextEditing(context); });
        context.history().openDrag(TypingGesture);
    }
    state.document = state.document.replacing(index, text.changed(choice.text, font, ink, choice.vertical));
    showOnScreen(context, index);
    showSelected(context, index);
    state.textEditing->pause.start();
}

void finishTextEditing(CardContext& context)
{
    EditorState& state = context.state();
    const std::shared_ptr<TextEditing> editing = std::move(state.textEditing);
    if (!editing)
        return;
    editing->pause.stop();
    context.card().setScreenOnly(false);
    // Both copies from the checkpoint before the text.
    context.replay().replay(context.card(), state.document, editing->text);
    context.replay().replay(context.card(), state.document);
    context.history().joinSeries(typingSeries(editing->text));
    context.history().closeDrag(TypingGesture);
}
