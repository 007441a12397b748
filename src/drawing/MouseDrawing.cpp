#include "drawing/MouseDrawing.h"

#include "editor/CardContext.h"
#include "editor/CardHistory.h"
#include "editor/CardLayouts.h"
#include "editor/EditorState.h"
#include "drawing/FotoLaden.h"
#include "drawing/ToolActions.h"
#include "drawing/ToolTable.h"
#include "editor/PhotoAdjusting.h"
#include "editor/TextPlacer.h"
#include "platform/Rounding.h"

#include <QLocale>
#include <QScopeGuard>
#include <algorithm>
#include <cmath>

using namespace DrawingTool;

namespace {

constexpr int LeftButton = 1;
constexpr int RightButton = 2;

bool usesRubberFrame(int tool)
{
    return tool == Rectangle || tool == FilledRectangle || tool == Ellipse || tool == FilledEllipse
        || tool == PhotoImport;
}

int whole(double v)
{
    return std::isfinite(v) ? int(roundHalfEven(std::clamp(v, -1e6, 1e6))) : 0;
}

QString shortest(double v)
{
    return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

void pickInto(CardContext& context, Rgb& target, double x, double y)
{
    if (const auto picked = ToolActions::pickColor(context.card(), x, y)) {
        target = *picked;
        context.colorsChanged();
    }
}

// The straight-line tool shows its band by inverting; inverting the same line
// again takes it off the card.
void removeRubberBand(CardContext& context)
{
    CardSurface& card = context.card();
    if (card.drawMode != CardSurface::DrawMode::Invert)
        return;
    const EditorState& s = context.state();
    card.line(s.dragStartX, s.dragStartY, s.dragLastX, s.dragLastY, s.drawColor.value());
}

}

void Knop_Click(CardContext& context, int n)
{
    context.state().currentTool = n;
    if (n < 1 || n > ToolCount)
        return;
    const ToolDescription& tool = toolDescription(n);
    context.setToolCaption(tool.name);
    context.setInformation(tool.help);
}

void Voorkant_MouseDown(CardContext& context, int button, int, double x, double y)
{
    EditorState& s = context.state();
    if (photoMouseDown(context, button, x, y) || s.currentLayout != Layout::FreeDrawing)
        return;
    CardSurface& card = context.card();
    // Everything until the button comes up again is one change.
    context.history().openDrag(button);
    s.dragStartX = x;
    s.dragStartY = y;
    card.lineWidth = s.lineWidth;

    if (button == LeftButton) {
        switch (s.currentTool) {
        case StraightLine:
            s.dragLastX = s.dragStartX;
            s.dragLastY = s.dragStartY;
            card.drawMode = CardSurface::DrawMode::Invert;
            break;
        case Fill:
            ToolActions::fill(card, x, y, s.fillColor);
            break;
        case Eraser:
            ToolActions::erase(card, x, y, s.eraserSize);
            break;
        case Picker:
            pickInto(context, s.drawColor, x, y);
            break;
        default:
            if (usesRubberFrame(s.currentTool))
                context.overlays().showRubberFrame(QRect(whole(x), whole(y), 0, 0));
            break;
        }
    } else if (button == RightButton && s.currentTool == Picker) {
        pickInto(context, s.fillColor, x, y);
    }
    card.refresh();
}

void Voorkant_MouseMove(CardContext& context, int button, int, double x, double y)
{
    EditorState& s = context.state();
    movePreview(context, x, y);
    context.overlays().showCoordinates("Coordinaten : X = " + shortest(x) + ", Y = " + shortest(y));

    if (photoMouseMove(context, button, x, y) || s.currentLayout != Layout::FreeDrawing || button != LeftButton)
        return;
    CardSurface& card = context.card();
    switch (s.currentTool) {
    case Freehand:
        card.line(s.dragStartX, s.dragStartY, x, y, s.drawColor.value());
        s.dragStartX = x;
        s.dragStartY = y;
        break;
    case StraightLine:
        card.line(s.dragStartX, s.dragStartY, s.dragLastX, s.dragLastY, s.drawColor.value());
        card.line(s.dragStartX, s.dragStartY, x, y, s.drawColor.value());
        break;
    case Spray:
        ToolActions::sprayDot(card, x, y, s.drawColor);
        break;
    case Eraser:
        ToolActions::erase(card, x, y, s.eraserSize);
        break;
    case ColouredCircles:
        ToolActions::colouredCircle(card, x, y, s.circleSize);
        break;
    default:
        if (usesRubberFrame(s.currentTool)) {
            // The frame only opens to the right and downwards.
            x = std::max(x, s.dragStartX);
            y = std::max(y, s.dragStartY);
            context.overlays().showRubberFrame(QRect(whole(s.dragStartX), whole(s.dragStartY),
                                                     whole(x - s.dragStartX) + 1, whole(y - s.dragStartY) + 1));
        }
        break;
    }
    s.dragLastX = x;
    s.dragLastY = y;
    card.refresh();
}

void Voorkant_MouseUp(CardContext& context, int button, int, double x, double y)
{
    const auto endDrag = qScopeGuard([&context, button] { context.history().closeDrag(button); });
    EditorState& s = context.state();
    CardSurface& card = context.card();
    CardOverlays& overlays = context.overlays();
    if (s.placingText) {
        // A straight-line band or the rubber frame of this click must not stay
        // behind, and the text must not be printed inverted.
        removeRubberBand(context);
        card.drawMode = CardSurface::DrawMode::Copy;
        card.lineWidth = 1;
        overlays.hideRubberFrame();
        placeTextAt(context, x, y);
        overlays.hideTextPreview();
        s.placingText = false;
        context.setInformation("Informatie...");
        card.refresh();
        return;
    }
    if (photoMouseUp(context, button, x, y) || s.currentLayout != Layout::FreeDrawing)
        return;

    removeRubberBand(context);
    card.drawMode = CardSurface::DrawMode::Copy;
    if (button == LeftButton) {
        const bool dragged = ToolActions::opensRightAndDown(s.dragStartX, s.dragStartY, x, y);
        const Rgb drawColor = s.drawColor;
        switch (s.currentTool) {
        case StraightLine:
            card.line(s.dragStartX, s.dragStartY, x, y, drawColor.value());
            break;
        case Rectangle:
        case FilledRectangle:
            if (dragged)
                ToolActions::drawBox(card, s.dragStartX, s.dragStartY, x, y, drawColor,
                                     s.currentTool == FilledRectangle ? std::optional<Rgb>(s.fillColor) : std::nullopt,
                                     s.fillStyleSetting);
            card.fillStyle = CardSurface::Transparent;
            break;
        case Ellipse:
        case FilledEllipse:
            if (dragged)
                ToolActions::drawEllipse(card, s.dragStartX, s.dragStartY, x, y, drawColor,
                                         s.currentTool == FilledEllipse ? std::optional<Rgb>(s.fillColor) : std::nullopt,
                                         s.fillStyleSetting);
            break;
        case PhotoImport:
            if (dragged)
                FotoLaden(context, s.dragStartX, s.dragStartY, x, y);
            break;
        default:
            break;
        }
    }
    card.lineWidth = 1;
    overlays.hideRubberFrame();
    card.refresh();
}
