#pragma once
// The drawing tools' operations on the card: a trail drawn point by point
// (freehand line, spray, eraser, coloured circles), a straight line,
// rectangle or ellipse from a drag, a fill, a gradient and the white frames.
// A trail is drawn live by the same drawPoint() that replays it.
#include "drawing/ToolTable.h"
#include "editor/CardOperation.h"
#include "editor/OperationParameters.h"
#include "platform/Colors.h"
#include "platform/Random.h"

#include <QPointF>
#include <cstdint>
#include <vector>

// The settings a tool draws with, as they were when it drew.
struct StrokeStyle {
    Rgb drawColor;
    Rgb fillColor;
    int lineWidth = 1;
    int fillStyle = 0;  // of the filled rectangle and ellipse
    int size = 0;       // the eraser's square, the coloured circles' radius
};

class ToolStroke : public CardOperation {
public:
    // `seeds`: the random numbers' seed of each point of a spray or of
    // coloured circles; points without one take `firstSeed` counted on.
    ToolStroke(int tool, StrokeStyle style, std::vector<QPointF> points = {}, std::uint64_t firstSeed = 0);

    OperationKind kind() const override;
    QString name() const override;
    void draw(CardSurface& card, const ProgressDisplays& progress) const override;
    // A filled rectangle or ellipse hides what lies inside it.
    bool paintsOver(QPoint point) const override;
    QJsonObject parameters(PhotoList& photos) const override;
    static Operation read(ParameterReader& parameters);

    int tool() const { return tool_; }
    const StrokeStyle& style() const { return style_; }
    const std::vector<QPointF>& points() const { return points_; }

    // Building a trail while the mouse moves, before it joins the card: each
    // point is drawn as it is added, its random numbers from its own seed.
    void addPoint(QPointF point, std::uint64_t seed);
    void drawPoint(CardSurface& card, std::size_t index) const;
    // A trail that left no mark (a click of the freehand tool) is no operation.
    bool drewSomething() const;

private:
    int tool_;
    StrokeStyle style_;
    std::vector<QPointF> points_;
    std::vector<std::uint64_t> seeds_;
};

// A gradient entry of "Verloopkleuren" with the two colours it used.
class GradientOperation : public CardOperation {
public:
    GradientOperation(int entry, Rgb fillColor, Rgb drawColor);
    OperationKind kind() const override { return OperationKind::Gradient; }
    QString name() const override;
    void draw(CardSurface& card, const ProgressDisplays& progress) const override;
    QJsonObject parameters(PhotoList& photos) const override;
    static Operation read(ParameterReader& parameters);

private:
    int entry_;
    Rgb fillColor_;
    Rgb drawColor_;
};

// A white border of 1, 5 or 10 pixels, or the centre disc (1) or diamond (2).
class FrameOperation : public CardOperation {
public:
    enum Shape { Border, Centre };
    FrameOperation(Shape shape, int index);
    OperationKind kind() const override { return OperationKind::Frame; }
    QString name() const override;
    void draw(CardSurface& card, const ProgressDisplays& progress) const override;
    QJsonObject parameters(PhotoList& photos) const override;
    static Operation read(ParameterReader& parameters);

private:
    Shape shape_;
    int index_;
};
