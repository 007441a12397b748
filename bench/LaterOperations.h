#pragma once
// The operations a user adds over the photos of a card, for benchmarks:
// freehand lines, texts, sprays and fills in turn, at places and in colours
// drawn from a seeded generator, with filters of the "Filters" menu at
// chosen positions.
#include "HeadlessCard.h"
#include "drawing/DrawingOperations.h"
#include "drawing/ToolTable.h"
#include "editor/CardEditing.h"
#include "editor/TextOperation.h"
#include "filters/FilterOperation.h"
#include "platform/Random.h"

#include <QPoint>
#include <QPointF>
#include <QRandomGenerator>
#include <QStringList>
#include <map>
#include <memory>
#include <vector>

// Indexes of the "Filters" menu.
namespace FiltersEntry {
constexpr int Sharpen = 4;
constexpr int Blur = 10;
constexpr int Aquarel = 11;
}

namespace LaterOperations {

inline Rgb randomColor(QRandomGenerator& random)
{
    return Rgb{int(random.bounded(256)), int(random.bounded(256)), int(random.bounded(256))};
}

inline QPointF randomPoint(QRandomGenerator& random)
{
    return QPointF(random.bounded(515.0), random.bounded(365.0));
}

// A trail of `count` points wandering from a random start.
inline std::vector<QPointF> trail(QRandomGenerator& random, int count, double step)
{
    std::vector<QPointF> points{randomPoint(random)};
    for (int i = 1; i < count; ++i)
        points.push_back(points.back() + QPointF(random.bounded(2 * step) - step, random.bounded(2 * step) - step));
    return points;
}

// The n-th drawing operation of the mix.
inline Operation drawing(int n, QRandomGenerator& random)
{
    using namespace DrawingTool;
    StrokeStyle style;
    style.drawColor = randomColor(random);
    style.fillColor = randomColor(random);
    style.lineWidth = 1 + int(random.bounded(5));
    const quint64 seed = random.generate64();
    switch (n % 4) {
    case 0:
        return std::make_shared<ToolStroke>(Freehand, style, trail(random, 40, 6));
    case 1: {
        static const QStringList words = {QStringLiteral("Groeten uit Zeeland"), QStringLiteral("Fijne vakantie!"),
                                          QStringLiteral("Van harte gefeliciteerd"), QStringLiteral("Tot snel")};
        const TextFont font{QStringLiteral("Liberation Sans"), 14 + int(random.bounded(30)), n % 8 == 1, false, false};
        const TextInk ink{n % 3 == 0, style.drawColor.value(), style.fillColor.value()};
        const QPointF at = randomPoint(random);
        return std::make_shared<TextOperation>(words[n % words.size()], font, ink, false, at.toPoint());
    }
    case 2:
        return std::make_shared<ToolStroke>(Spray, style, trail(random, 80, 3), seed);
    default:
        return std::make_shared<ToolStroke>(Fill, style, std::vector<QPointF>{randomPoint(random)});
    }
}

}

// Adds `count` operations to the card, each as its own edit: the mix of
// drawings, with the filter `filters` gives at a position where it has one.
inline void addLaterOperations(HeadlessCard& card, int count, const std::map<int, int>& filters = {}, quint32 seed = 1)
{
    QRandomGenerator random(seed);
    for (int n = 0; n < count; ++n) {
        if (const auto filter = filters.find(n); filter != filters.end()) {
            Random::seed(random.generate64());
            addOperation(card, std::make_shared<FilterOperation>(FilterMenu::Filters, filter->second, Rgb{255, 255, 255},
                                                                 Random::state()));
        }
        else
            addOperation(card, LaterOperations::drawing(n, random));
    }
}
