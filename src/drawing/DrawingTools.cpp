#include "drawing/DrawingTools.h"

#include "drawing/DrawingOperations.h"
#include "drawing/FotoLaden.h"
#include "drawing/ToolActions.h"
#include "drawing/ToolTable.h"
#include "editor/CardContext.h"
#include "editor/CardEditing.h"
#include "editor/EditorState.h"
#include "platform/CardSurface.h"
#include "platform/Random.h"
#include "platform/Rounding.h"

#include <QRect>
#include <algorithm>
#include <cmath>
#include <memory>

using namespace DrawingTool;

// The gesture of the tool in use, from press to release.
struct ToolDrag {
    std::shared_ptr<ToolStroke> stroke; // a trail being drawn
    QPointF start;
    QPointF last;
    bool band = false; // the straight line's band is on the card
};

namespace {

constexpr int LeftButton = 1;
constexpr int RightButton = 2;

int whole(double v)
{
    return std::isfinite(v) ? int(roundHalfEven(std::clamp(v, -1e6, 1e6))) : 0;
}

StrokeStyle currentStyle(const EditorState& s, int size = 0)
{
    return {s.drawColor, s.fillColor, s.lineWidth, s.fillStyleSetting, size};
}

ToolDrag& startDrag(CardContext& context, QPointF at)
{
    EditorState& s = context.state();
    s.toolDrag = std::make_shared<ToolDrag>();
    s.toolDrag->start = s.toolDrag->last = at;
    return *s.toolDrag;
}

ToolDrag* currentDrag(CardContext& context)
{
    return context.state().toolDrag.get();
}

// Freehand, spray, eraser and coloured circles: a trail of points, each drawn
// as the mouse reaches it by the operation that joins the card at the release.
class TrailTool : public ToolBehaviour {
public:
    explicit TrailTool(int tool) : tool_(tool) {}

    void press(CardContext& context, int button, QPointF at) override
    {
        if (button != LeftButton)
            return;
        const EditorState& s = context.state();
        const int size = tool_ == Eraser ? s.eraserSize : tool_ == ColouredCircles ? s.circleSize : 0;
        ToolDrag& drag = startDrag(context, at);
        drag.stroke = std::make_shared<ToolStroke>(tool_, currentStyle(s, size));
        // The freehand line starts here; the eraser also erases here.
        if (tool_ == Freehand || tool_ == Eraser)
            addPoint(context, drag, at);
    }
    void drag(CardContext& context, QPointF at) override
    {
        if (ToolDrag* drag = currentDrag(context); drag && drag->stroke)
            addPoint(context, *drag, at);
    }
    void release(CardContext& context, int, QPointF) override
    {
        ToolDrag* drag = currentDrag(context);
        if (!drag || !drag->stroke)
            return;
        const std::shared_ptr<ToolStroke> stroke = std::move(drag->stroke);
        context.card().lineWidth = 1;
        if (stroke->drewSomething())
            addDrawnOperation(context, stroke);
    }
    void cancel(CardContext& context) override { release(context, LeftButton, {}); }

private:
    static void addPoint(CardContext& context, ToolDrag& drag, QPointF at)
    {
        // Each dot of a spray or circle takes a seed of its own from the clock.
        drag.stroke->addPoint(at, Random::clockSeed());
        drag.stroke->drawPoint(context.card(), drag.stroke->points().size() - 1);
        context.card().refresh();
    }
    int tool_;
};

// The straight line: a band that follows the mouse, drawn inverted on the
// card so that drawing it again takes it off; the line itself at the release.
class LineTool : public ToolBehaviour {
public:
    void press(CardContext& context, int button, QPointF at) override
    {
        if (button == LeftButton) {
            startDrag(context, at);
        } else if (ToolDrag* drag = currentDrag(context)) {
            // Another button pressed inside the drag: the line starts there.
            removeBand(context, *drag);
            drag->start = drag->last = at;
        }
    }
    void drag(CardContext& context, QPointF at) override
    {
        ToolDrag* drag = currentDrag(context);
        if (!drag)
            return;
        removeBand(context, *drag);
        drag->last = at;
        drawBand(context, *drag);
        drag->band = true;
        context.card().refresh();
    }
    void release(CardContext& context, int button, QPointF at) override
    {
        ToolDrag* drag = currentDrag(context);
        if (!drag)
            return;
        removeBand(context, *drag);
        if (button == LeftButton)
            addOperation(context, std::make_shared<ToolStroke>(StraightLine, currentStyle(context.state()),
                                                               std::vector<QPointF>{drag->start, at}));
        context.card().refresh();
    }
    void cancel(CardContext& context) override
    {
        if (ToolDrag* drag = currentDrag(context))
            removeBand(context, *drag);
    }

private:
    static void drawBand(CardContext& context, const ToolDrag& drag)
    {
        CardSurface& card = context.card();
        card.drawMode = CardSurface::DrawMode::Invert;
        card.lineWidth = context.state().lineWidth;
        card.line(drag.start.x(), drag.start.y(), drag.last.x(), drag.last.y(), context.state().drawColor.value());
        card.drawMode = CardSurface::DrawMode::Copy;
        card.lineWidth = 1;
    }
    static void removeBand(CardContext& context, ToolDrag& drag)
    {
        if (std::exchange(drag.band, false))
            drawBand(context, drag);
    }
};

// Rectangles, ellipses and the photo import: a rubber frame over the card
// while the mouse moves, the shape at the release when the drag opened right and down.
class FrameTool : public ToolBehaviour {
public:
    explicit FrameTool(int tool) : tool_(tool) {}

    void press(CardContext& context, int button, QPointF at) override
    {
        if (button != LeftButton) {
            // Another button pressed inside the drag: the shape starts there.
            if (ToolDrag* drag = currentDrag(context))
                drag->start = drag->last = at;
            return;
        }
        startDrag(context, at);
        context.overlays().showRubberFrame(QRect(whole(at.x()), whole(at.y()), 0, 0));
    }
    void drag(CardContext& context, QPointF at) override
    {
        ToolDrag* drag = currentDrag(context);
        if (!drag)
            return;
        // The frame only opens to the right and downwards.
        const double x = std::max(at.x(), drag->start.x()), y = std::max(at.y(), drag->start.y());
        context.overlays().showRubberFrame(QRect(whole(drag->start.x()), whole(drag->start.y()),
                                                 whole(x - drag->start.x()) + 1, whole(y - drag->start.y()) + 1));
    }
    void release(CardContext& context, int button, QPointF at) override
    {
        ToolDrag* drag = currentDrag(context);
        context.overlays().hideRubberFrame();
        if (!drag || button != LeftButton
            || !ToolActions::opensRightAndDown(drag->start.x(), drag->start.y(), at.x(), at.y()))
            return;
        if (tool_ == PhotoImport)
            FotoLaden(context, drag->start.x(), drag->start.y(), at.x(), at.y());
        else
            addOperation(context, std::make_shared<ToolStroke>(tool_, currentStyle(context.state()),
                                                               std::vector<QPointF>{drag->start, at}));
    }
    void cancel(CardContext& context) override { context.overlays().hideRubberFrame(); }

private:
    int tool_;
};

class FillTool : public ToolBehaviour {
public:
    void press(CardContext& context, int button, QPointF at) override
    {
        if (button == LeftButton)
            addOperation(context, std::make_shared<ToolStroke>(Fill, currentStyle(context.state()), std::vector<QPointF>{at}));
    }
};

// The left button takes the drawing colour from the card, the right one the fill colour.
class PickerTool : public ToolBehaviour {
public:
    void press(CardContext& context, int button, QPointF at) override
    {
        EditorState& s = context.state();
        Rgb* target = button == LeftButton ? &s.drawColor : button == RightButton ? &s.fillColor : nullptr;
        if (!target)
            return;
        if (const auto picked = ToolActions::pickColor(context.card(), at.x(), at.y())) {
            *target = *picked;
            context.colorsChanged();
        }
    }
};

}

ToolBehaviour* drawingTool(int n)
{
    static TrailTool freehand(Freehand), spray(Spray), eraser(Eraser), circles(ColouredCircles);
    static LineTool line;
    static FrameTool rectangle(Rectangle), filledRectangle(FilledRectangle), ellipse(Ellipse),
        filledEllipse(FilledEllipse), photoImport(PhotoImport);
    static FillTool fill;
    static PickerTool picker;
    static ToolBehaviour* const tools[ToolCount + 1] = {nullptr, &freehand, &line, &rectangle, &filledRectangle,
                                                        &ellipse, &filledEllipse, &fill, &spray, &eraser,
                                                        &picker, &circles, &photoImport};
    return n >= 1 && n <= ToolCount ? tools[n] : nullptr;
}
