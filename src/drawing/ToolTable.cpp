#include "drawing/ToolTable.h"

#include "platform/DrawnIcon.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>

using namespace DrawingTool;

namespace {

// In context "Main": the main window shows them on its tool buttons, its tool
// label and its help line.
const std::array<ToolDescription, ToolCount> tools{{
    {QT_TRANSLATE_NOOP("Main", " Free Hands "), QT_TRANSLATE_NOOP("Main", "Kromme lijnen"),
     QT_TRANSLATE_NOOP("Main", "Tekenen van kromme lijnen met tekenkleur")},
    {QT_TRANSLATE_NOOP("Main", " Strakke Lijnen "), QT_TRANSLATE_NOOP("Main", "Rechte lijnen"),
     QT_TRANSLATE_NOOP("Main", "Tekenen van rechte lijnen met ingedrukte linkermuisknop")},
    {QT_TRANSLATE_NOOP("Main", " Rechthoeken "), QT_TRANSLATE_NOOP("Main", "Rechthoek"),
     QT_TRANSLATE_NOOP("Main", "Tekenen van vierkanten en rechthoeken met tekenkleur")},
    {QT_TRANSLATE_NOOP("Main", " Gevulde Rechthoeken "), QT_TRANSLATE_NOOP("Main", "Rechthoek gevuld"),
     QT_TRANSLATE_NOOP("Main", "Tekenen van vierkanten en rechthoeken gevuld met vulkleur")},
    {QT_TRANSLATE_NOOP("Main", " Circels "), QT_TRANSLATE_NOOP("Main", "Circels en Ellips"),
     QT_TRANSLATE_NOOP("Main", "Tekenen van circels en ellipsen met tekenkleur")},
    {QT_TRANSLATE_NOOP("Main", " Gevulde circels "), QT_TRANSLATE_NOOP("Main", "Circels en Ellips gevuld"),
     QT_TRANSLATE_NOOP("Main", "Tekenen van circels en ellipsen gevuld met vulkleur")},
    {QT_TRANSLATE_NOOP("Main", " Vullen met Vulkleur "), QT_TRANSLATE_NOOP("Main", "Vullen met vulkleuren"),
     QT_TRANSLATE_NOOP("Main", "Linkermuisknop is vullen van vlakken met de vulkleur")},
    {QT_TRANSLATE_NOOP("Main", " Spray "), QT_TRANSLATE_NOOP("Main", "Spray"),
     QT_TRANSLATE_NOOP("Main", "Spray met ingedrukte linkermuisknop")},
    {QT_TRANSLATE_NOOP("Main", " Erase "), QT_TRANSLATE_NOOP("Main", "Gummen"),
     QT_TRANSLATE_NOOP("Main", "Verwijderen van vlakken")},
    {QT_TRANSLATE_NOOP("Main", " Kleurwaarde Opvragen "), QT_TRANSLATE_NOOP("Main", "Kleurwaarde opvragen"),
     QT_TRANSLATE_NOOP("Main", "Linkermuisknop is tekenkleur, rechtermuisknop is vulkleur opvragen")},
    {QT_TRANSLATE_NOOP("Main", " Gekleurde Circels "), QT_TRANSLATE_NOOP("Main", "Gekleurde circels"),
     QT_TRANSLATE_NOOP("Main", "Teken met ingedrukte linkermuisknop gekleurde circels")},
    {QT_TRANSLATE_NOOP("Main", " Foto Importeren "), QT_TRANSLATE_NOOP("Main", "Foto importeren"),
     QT_TRANSLATE_NOOP("Main", "Selecteer een rechthoek voor de grootte van de foto")},
}};
const char* const noToolCaption = QT_TRANSLATE_NOOP("Main", "Tekenknoppen");

constexpr int IconSize = 28;
const QColor ink(20, 20, 20);
const QColor yellow(255, 220, 0);

void drawFreehand(QPainter& p)
{
    QPainterPath curve(QPointF(3, 20));
    curve.cubicTo(8, 2, 14, 28, 19, 12);
    curve.cubicTo(21, 6, 24, 8, 25, 6);
    p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(curve);
}

void drawStraightLine(QPainter& p)
{
    p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 24), QPointF(24, 4));
}

void drawRectangle(QPainter& p, bool filled)
{
    p.setPen(QPen(ink, 2));
    p.setBrush(filled ? QBrush(yellow) : Qt::NoBrush);
    p.drawRect(QRectF(4, 7, 20, 14));
}

void drawEllipse(QPainter& p, bool filled)
{
    p.setPen(QPen(ink, 2));
    p.setBrush(filled ? QBrush(yellow) : Qt::NoBrush);
    p.drawEllipse(QRectF(3, 6, 22, 16));
}

void drawBucket(QPainter& p)
{
    // A tipped paint pot pouring a drop of the fill colour.
    p.save();
    p.translate(12, 14);
    p.rotate(-35);
    p.setPen(QPen(ink, 1.8));
    p.setBrush(QColor(230, 230, 230));
    p.drawRect(QRectF(-7, -6, 14, 13));
    p.setBrush(yellow);
    p.drawEllipse(QRectF(-7, -8.5, 14, 5));
    p.restore();
    p.setPen(QPen(ink, 1));
    p.setBrush(yellow);
    QPainterPath drop(QPointF(23, 12));
    drop.cubicTo(26, 17, 26, 22, 23, 22);
    drop.cubicTo(20, 22, 20, 17, 23, 12);
    p.drawPath(drop);
}

void drawSpray(QPainter& p)
{
    p.setPen(QPen(ink, 1.5));
    p.setBrush(QColor(90, 120, 200));
    p.drawRoundedRect(QRectF(14, 11, 9, 15), 2, 2);
    p.setBrush(ink);
    p.drawRect(QRectF(16.5, 7, 4, 4));
    p.setPen(Qt::NoPen);
    const QPointF dots[] = {{11, 8}, {8, 5}, {6, 9}, {9, 11}, {4, 5}, {5, 13}, {10, 3}, {3, 9}};
    for (const QPointF& dot : dots)
        p.drawEllipse(dot, 1.1, 1.1);
}

void drawEraser(QPainter& p)
{
    p.save();
    p.translate(14, 14);
    p.rotate(-40);
    p.setPen(QPen(ink, 1.6));
    p.setBrush(QColor(240, 150, 170));
    p.drawRect(QRectF(-10, -5, 13, 10));
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(3, -5, 7, 10));
    p.restore();
    p.setPen(QPen(ink, 1.2));
    p.drawLine(QPointF(3, 26), QPointF(25, 26));
}

void drawPicker(QPainter& p)
{
    // A pipette: rubber bulb at the top right, glass tube to the lower left.
    p.save();
    p.translate(14, 14);
    p.rotate(45);
    p.setPen(QPen(ink, 1.5));
    p.setBrush(QColor(200, 40, 40));
    p.drawRoundedRect(QRectF(-4, -13, 8, 8), 3, 3);
    p.setBrush(ink);
    p.drawRect(QRectF(-5, -5.5, 10, 2.5));
    p.setBrush(QColor(200, 230, 255));
    p.drawRect(QRectF(-2.5, -3, 5, 11));
    p.drawLine(QPointF(0, 8), QPointF(0, 13));
    p.restore();
}

void drawColouredCircles(QPainter& p)
{
    const struct { QPointF centre; QColor colour; } circles[] = {
        {{9, 10}, QColor(220, 30, 30)}, {{19, 9}, QColor(30, 160, 40)}, {{14, 19}, QColor(40, 70, 220)}};
    p.setBrush(Qt::NoBrush);
    for (const auto& circle : circles) {
        p.setPen(QPen(circle.colour, 2.2));
        p.drawEllipse(circle.centre, 5.5, 5.5);
    }
}

void drawPhoto(QPainter& p)
{
    const QRectF frame(3, 5, 22, 18);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 200, 245));
    p.drawRect(frame);
    p.setBrush(QColor(255, 200, 0));
    p.drawEllipse(QPointF(19, 10), 2.5, 2.5);
    p.setBrush(QColor(60, 140, 60));
    p.drawPolygon(QPolygonF({{3, 23}, {11, 12}, {17, 19}, {20, 16}, {25, 23}}));
    p.setPen(QPen(ink, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
}

}

const ToolDescription& toolDescription(int n)
{
    return tools.at(std::size_t(n - 1));
}

QString drawingToolTip(int n)
{
    return QCoreApplication::translate("Main", toolDescription(n).tip);
}

QString drawingToolName(int n)
{
    return QCoreApplication::translate("Main", toolDescription(n).name);
}

QString drawingToolCaption(int tool)
{
    return tool >= 1 && tool <= ToolCount ? drawingToolName(tool) : QCoreApplication::translate("Main", noToolCaption);
}

QIcon toolIcon(int n)
{
    return drawnIcon(IconSize, [n](QPainter& p) {
        switch (n) {
        case Freehand: drawFreehand(p); break;
        case StraightLine: drawStraightLine(p); break;
        case Rectangle: drawRectangle(p, false); break;
        case FilledRectangle: drawRectangle(p, true); break;
        case Ellipse: drawEllipse(p, false); break;
        case FilledEllipse: drawEllipse(p, true); break;
        case Fill: drawBucket(p); break;
        case Spray: drawSpray(p); break;
        case Eraser: drawEraser(p); break;
        case Picker: drawPicker(p); break;
        case ColouredCircles: drawColouredCircles(p); break;
        case PhotoImport: drawPhoto(p); break;
        }
    });
}
