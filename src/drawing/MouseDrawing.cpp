#include "drawing/MouseDrawing.h"

#include "drawing/DrawingTools.h"
#include "drawing/ToolTable.h"
#include "editor/CardContext.h"
#include "editor/CardHistory.h"
#include "editor/CardLayouts.h"
#include "editor/EditorState.h"
#include "editor/PhotoAdjusting.h"
#include "editor/TextPlacer.h"
#include "editor/TextSelection.h"
#include "platform/CardSurface.h"

#include <QCoreApplication>
#include <QLocale>
#include <QScopeGuard>

using namespace DrawingTool;

namespace {

constexpr int LeftButton = 1;

QString shortest(double v)
{
    return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

// The tool whose gesture the mouse makes, in the drawing layout.
ToolBehaviour* toolInUse(CardContext& context)
{
    const EditorState& s = context.state();
    return s.currentLayout == Layout::FreeDrawing ? drawingTool(s.currentTool) : nullptr;
}

}

void Knop_Click(CardContext& context, int n)
{
    // A second click on the chosen tool leaves it, so that texts can be selected.
    if (n == context.state().currentTool && n != NoTool) {
        leaveTool(context);
        return;
    }
    endTextSelection(context);
    context.state().currentTool = n;
    if (n < 1 || n > ToolCount)
        return;
    context.setToolCaption(drawingToolName(n));
    // The help line is kept in Dutch and translated where it is shown.
    context.setInformation(QString::fromUtf8(toolDescription(n).help));
}

void leaveTool(CardContext& context)
{
    context.state().currentTool = NoTool;
    context.setToolCaption(drawingToolCaption(NoTool));
    context.setInformation(layoutInfoText(Layout::FreeDrawing));
}

void Voorkant_KeyDown(CardContext& context, int keyCode, int shift)
{
    if (textKey(context, keyCode, shift))
        return;
    const EditorState& s = context.state();
    if (keyCode == Qt::Key_Escape && s.currentLayout == Layout::FreeDrawing && s.currentTool != NoTool)
        leaveTool(context);
}

void Voorkant_MouseDown(CardContext& context, int button, int, double x, double y)
{
    EditorState& s = context.state();
    if (textMouseDown(context, button, x, y) || photoMouseDown(context, button, x, y)
        || s.currentLayout != Layout::FreeDrawing)
        return;
    // Everything until the button comes up again is one change.
    context.history().openDrag(button);
    if (ToolBehaviour* tool = toolInUse(context))
        tool->press(context, button, {x, y});
    context.card().refresh();
}

void Voorkant_MouseMove(CardContext& context, int button, int, double x, double y)
{
    EditorState& s = context.state();
    movePreview(context, x, y);
    context.overlays().showCoordinates(
        QCoreApplication::translate("Main", "Coordinaten : X = %1, Y = %2").arg(shortest(x), shortest(y)));

    if (textMouseMove(context, button, x, y) || photoMouseMove(context, button, x, y)
        || s.currentLayout != Layout::FreeDrawing || button != LeftButton)
        return;
    if (ToolBehaviour* tool = toolInUse(context))
        tool->drag(context, {x, y});
}

void Voorkant_MouseUp(CardContext& context, int button, int, double x, double y)
{
    const auto endDrag = qScopeGuard([&context, button] {
        // A gesture is the left button's; another button's release inside it does not end it.
        if (button == LeftButton)
            context.state().toolDrag.reset();
        context.history().closeDrag(button);
    });
    EditorState& s = context.state();
    CardSurface& card = context.card();
    if (s.placingText) {
        // The click places the text: it neither picks a frame nor moves a photo.
        s.photoDrag.reset();
        // A straight-line band or the rubber frame of this click must not stay behind.
        if (ToolBehaviour* tool = toolInUse(context))
            tool->cancel(context);
        placeTextAt(context, x, y);
        context.overlays().hideTextPreview();
        s.placingText = false;
        context.setInformation(QStringLiteral(QT_TRANSLATE_NOOP("Main", "Informatie...")));
        card.refresh();
        return;
    }
    if (textMouseUp(context, button, x, y) || photoMouseUp(context, button, x, y)
        || s.currentLayout != Layout::FreeDrawing)
        return;
    if (ToolBehaviour* tool = toolInUse(context))
        tool->release(context, button, {x, y});
    context.overlays().hideRubberFrame();
    card.refresh();
}
