#include "app/StepIcons.h"

#include "drawing/ToolTable.h"
#include "platform/DrawnIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <map>

namespace {

constexpr int IconSize = 16;
const QColor ink(20, 20, 20);
const QColor yellow(255, 205, 0);
const QColor blue(60, 110, 210);

void drawPhoto(QPainter& p)
{
    const QRectF frame(1.5, 3.5, 13, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 200, 245));
    p.drawRect(frame);
    p.setBrush(QColor(60, 140, 60));
    p.drawPolygon(QPolygonF({{1.5, 13.5}, {6, 7}, {9.5, 11}, {11.5, 9}, {14.5, 13.5}}));
    p.setBrush(yellow);
    p.drawEllipse(QPointF(11.5, 6.5), 1.5, 1.5);
    p.setPen(QPen(ink, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
}

void drawText(QPainter& p)
{
    // A serif T.
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRect(QRectF(2.5, 2, 11, 2.5));
    p.drawRect(QRectF(6.75, 2, 2.5, 12));
    p.drawRect(QRectF(5, 12.5, 6, 1.5));
}

void drawGradient(QPainter& p)
{
    QLinearGradient gradient(QPointF(1.5, 0), QPointF(14.5, 0));
    gradient.setColorAt(0, blue);
    gradient.setColorAt(1, yellow);
    p.setPen(QPen(ink, 1));
    p.setBrush(gradient);
    p.drawRect(QRectF(1.5, 3.5, 13, 9));
}

void drawFrame(QPainter& p)
{
    // A white border around a coloured card.
    p.setPen(QPen(ink, 1));
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(1.5, 2.5, 13, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 130, 60));
    p.drawRect(QRectF(4, 5, 8, 6));
}

void drawFilter(QPainter& p)
{
    // A wand with sparks.
    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2.5, 13.5), QPointF(10, 6));
    p.setPen(QPen(yellow.darker(115), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12.5, 1.5), QPointF(12.5, 6.5));
    p.drawLine(QPointF(10, 4), QPointF(15, 4));
    p.drawLine(QPointF(7, 2), QPointF(8, 3));
    p.drawLine(QPointF(14, 9), QPointF(15, 10));
}

void drawConversion(QPainter& p)
{
    // Two arrows turning round.
    p.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(3, 3, 10, 10), 30 * 16, 150 * 16);
    p.drawArc(QRectF(3, 3, 10, 10), 210 * 16, 150 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(QPolygonF({{12.8, 2.5}, {14.8, 7.2}, {10, 6.2}}));
    p.drawPolygon(QPolygonF({{3.2, 13.5}, {1.2, 8.8}, {6, 9.8}}));
}

void drawAddressSide(QPainter& p)
{
    // The back of a postcard: stamp, dividing line and address lines.
    p.setPen(QPen(ink, 1));
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(0.5, 2.5, 15, 11));
    p.drawLine(QPointF(7.5, 4), QPointF(7.5, 12));
    p.setBrush(QColor(220, 60, 60));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(11.5, 4, 2.5, 3));
    p.setPen(QPen(ink, 0.8));
    for (double y : {9.0, 11.0})
        p.drawLine(QPointF(9, y), QPointF(14, y));
}

using Draw = void (*)(QPainter&);
const std::map<OperationKind, Draw> pictures{
    {OperationKind::PhotoInFrame, drawPhoto},      {OperationKind::PhotoInRectangle, drawPhoto},
    {OperationKind::Text, drawText},               {OperationKind::Gradient, drawGradient},
    {OperationKind::Frame, drawFrame},             {OperationKind::Filter, drawFilter},
    {OperationKind::Conversion, drawConversion},   {OperationKind::AddressSide, drawAddressSide},
};
// The tools' gestures show the picture of their tool's button.
const std::map<OperationKind, int> tools{
    {OperationKind::Stroke, DrawingTool::Freehand}, {OperationKind::Fill, DrawingTool::Fill},
    {OperationKind::Spray, DrawingTool::Spray},     {OperationKind::ColouredCircles, DrawingTool::ColouredCircles},
};

}

QIcon stepIcon(OperationKind kind)
{
    static std::map<OperationKind, QIcon> icons;
    auto found = icons.find(kind);
    if (found == icons.end()) {
        const auto tool = tools.find(kind);
        found = icons.emplace(kind, tool != tools.end() ? toolIcon(tool->second) : drawnIcon(IconSize, pictures.at(kind))).first;
    }
    return found->second;
}
