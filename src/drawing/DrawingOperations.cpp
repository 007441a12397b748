#include "drawing/DrawingOperations.h"

#include "drawing/Frames.h"
#include "drawing/Gradients.h"
#include "drawing/ToolActions.h"
#include "platform/CardSurface.h"
#include "platform/Twips.h"

using namespace DrawingTool;

ToolStroke::ToolStroke(int tool, StrokeStyle style, std::vector<QPointF> points, std::uint64_t firstSeed)
    : tool_(tool), style_(style), points_(std::move(points))
{
    for (std::size_t i = 0; i < points_.size(); ++i)
        seeds_.push_back(firstSeed + i);
}

void ToolStroke::addPoint(QPointF point, std::uint64_t seed)
{
    points_.push_back(point);
    seeds_.push_back(seed);
}

OperationKind ToolStroke::kind() const
{
    switch (tool_) {
    case Fill:
        return OperationKind::Fill;
    case Spray:
        return OperationKind::Spray;
    case ColouredCircles:
        return OperationKind::ColouredCircles;
    default:
        return OperationKind::Stroke;
    }
}

QString ToolStroke::name() const
{
    return tool_ >= 1 && tool_ <= ToolCount ? drawingToolName(tool_) : QString();
}

bool ToolStroke::drewSomething() const
{
    return tool_ == Freehand ? points_.size() >= 2 : !points_.empty();
}

void ToolStroke::drawPoint(CardSurface& card, std::size_t index) const
{
    if (index >= points_.size())
        return;
    Random::Generator random(seeds_[index]);
    const QPointF p = points_[index];
    card.lineWidth = style_.lineWidth;
    card.drawMode = CardSurface::DrawMode::Copy;
    switch (tool_) {
    case Freehand:
        if (index > 0)
            card.line(points_[index - 1].x(), points_[index - 1].y(), p.x(), p.y(), style_.drawColor.value());
        break;
    case Spray:
        ToolActions::sprayDot(card, p.x(), p.y(), style_.drawColor, random.next());
        break;
    case Eraser:
        ToolActions::erase(card, p.x(), p.y(), style_.size);
        break;
    case ColouredCircles:
        ToolActions::colouredCircle(card, p.x(), p.y(), style_.size, random);
        break;
    case Fill:
        ToolActions::fill(card, p.x(), p.y(), style_.fillColor);
        break;
    default: // the shapes of a drag from the first point to the second
        if (index != 1)
            break;
        const QPointF start = points_[0];
        if (tool_ == StraightLine)
            card.line(start.x(), start.y(), p.x(), p.y(), style_.drawColor.value());
        else if (tool_ == Rectangle || tool_ == FilledRectangle)
            ToolActions::drawBox(card, start.x(), start.y(), p.x(), p.y(), style_.drawColor,
                                 tool_ == FilledRectangle ? std::optional<Rgb>(style_.fillColor) : std::nullopt, style_.fillStyle);
        else if (tool_ == Ellipse || tool_ == FilledEllipse)
            ToolActions::drawEllipse(card, start.x(), start.y(), p.x(), p.y(), style_.drawColor,
                                     tool_ == FilledEllipse ? std::optional<Rgb>(style_.fillColor) : std::nullopt, style_.fillStyle);
        break;
    }
}

bool ToolStroke::paintsOver(QPoint point) const
{
    if ((tool_ != FilledRectangle && tool_ != FilledEllipse) || style_.fillStyle == CardSurface::Transparent)
        return false;
    // The shape alone, in black on white, on a screen copy of its own.
    StrokeStyle black = style_;
    black.drawColor = black.fillColor = Rgb{0, 0, 0};
    CardSurface alone;
    alone.setScreenOnly(true);
    drawOperation(alone, ToolStroke(tool_, black, points_));
    return alone.point(point.x(), point.y()) == qint64(RGB(0, 0, 0));
}

void ToolStroke::draw(CardSurface& card, const ProgressDisplays&) const
{
    for (std::size_t i = 0; i < points_.size(); ++i)
        drawPoint(card, i);
    card.lineWidth = 1;
}

GradientOperation::GradientOperation(int entry, Rgb fillColor, Rgb drawColor)
    : entry_(entry), fillColor_(fillColor), drawColor_(drawColor)
{
}

QString GradientOperation::name() const
{
    return gradientCaption(entry_);
}

void GradientOperation::draw(CardSurface& card, const ProgressDisplays&) const
{
    constexpr int CircularSteps = 255;
    if (entry_ == GradientCircularEntry)
        GradientCircular(card, fillColor_.value(), drawColor_.value(), CircularSteps, -1, -1);
    else if (entry_ >= 0 && entry_ < GradientCircularEntry)
        GradientLinear(card, fillColor_.value(), entry_, drawColor_.value(), TwipsPerPixel);
}

FrameOperation::FrameOperation(Shape shape, int index) : shape_(shape), index_(index) {}

QString FrameOperation::name() const
{
    return shape_ == Border ? borderCaption(index_) : centreShapeCaption(index_);
}

void FrameOperation::draw(CardSurface& card, const ProgressDisplays&) const
{
    if (shape_ == Border)
        drawWhiteBorder(card, index_);
    else if (index_ == 1)
        drawCentreDisc(card);
    else if (index_ == 2)
        drawCentreDiamond(card);
}

QJsonObject ToolStroke::parameters(PhotoList&) const
{
    QJsonArray points, seeds;
    for (std::size_t i = 0; i < points_.size(); ++i) {
        points.append(points_[i].x());
        points.append(points_[i].y());
        seeds.append(ParameterValue::word(seeds_[i]));
    }
    return {{"tool", tool_},
            {"drawColour", ParameterValue::colour(style_.drawColor)},
            {"fillColour", ParameterValue::colour(style_.fillColor)},
            {"lineWidth", style_.lineWidth},
            {"fillStyle", style_.fillStyle},
            {"size", style_.size},
            {"points", points},
            {"seeds", seeds}};
}

Operation ToolStroke::read(ParameterReader& parameters)
{
    constexpr int MostPoints = 1'000'000, LargestSize = 1000;
    const int tool = parameters.integer("tool", Freehand, ToolCount);
    const StrokeStyle style{parameters.colour("drawColour"), parameters.colour("fillColour"),
                            parameters.integer("lineWidth", 0, LargestSize), parameters.integer("fillStyle", 0, 7),
                            parameters.integer("size", 0, LargestSize)};
    const QJsonArray points = parameters.array("points", 2 * MostPoints);
    const QJsonArray seeds = parameters.array("seeds", MostPoints);
    if (points.size() != 2 * seeds.size())
        parameters.refuse("seeds");
    if (!parameters.ok())
        return nullptr;
    auto stroke = std::make_shared<ToolStroke>(tool, style);
    for (qsizetype i = 0; i < seeds.size(); ++i) {
        ParameterReader point({{"x", points[2 * i]}, {"y", points[2 * i + 1]}, {"seed", seeds[i]}});
        stroke->addPoint({point.number("x"), point.number("y")}, point.word("seed"));
        if (!point.ok()) {
            parameters.refuse("points");
            return nullptr;
        }
    }
    return stroke;
}

QJsonObject GradientOperation::parameters(PhotoList&) const
{
    return {{"entry", entry_},
            {"fillColour", ParameterValue::colour(fillColor_)},
            {"drawColour", ParameterValue::colour(drawColor_)}};
}

Operation GradientOperation::read(ParameterReader& parameters)
{
    const int entry = parameters.integer("entry", 0, GradientCircularEntry);
    const Rgb fill = parameters.colour("fillColour"), draw = parameters.colour("drawColour");
    return parameters.ok() ? std::make_shared<GradientOperation>(entry, fill, draw) : nullptr;
}

QJsonObject FrameOperation::parameters(PhotoList&) const
{
    return {{"centre", shape_ == Centre}, {"index", index_}};
}

Operation FrameOperation::read(ParameterReader& parameters)
{
    constexpr int WidestBorder = 100;
    const Shape shape = parameters.flag("centre") ? Centre : Border;
    const int index = parameters.integer("index", 0, WidestBorder);
    return parameters.ok() ? std::make_shared<FrameOperation>(shape, index) : nullptr;
}
