#include "printing/TurnPicture.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

namespace {

// The context of the picture's captions.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(TurnPicture)
};

constexpr int Width = 260;
constexpr int Height = 150;
const QColor Printed(90, 140, 220);
const QColor FirstEdge(220, 40, 40);

// A sheet standing up, as it is fed; `first` marks the edge that went in first.
void sheet(QPainter& p, const QRectF& rect, bool printed, bool firstAtTop)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(printed ? Printed : QColor(Qt::white));
    p.drawRect(rect);
    if (printed) {
        p.setBrush(Qt::white);
        p.drawRect(rect.adjusted(8, 10, -8, -rect.height() / 2 - 4));
    }
    p.setPen(QPen(FirstEdge, 4));
    const double y = firstAtTop ? rect.top() : rect.bottom();
    p.drawLine(QPointF(rect.left(), y), QPointF(rect.right(), y));
}

void label(QPainter& p, const QRectF& rect, const QString& text)
{
    p.setPen(Qt::black);
    p.drawText(rect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text);
}

}

QImage turnSheetsPicture(bool landscape)
{
    QImage image(Width, Height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);

    // Left: the sheet with its fronts, the first edge red.
    const QRectF before(20, 28, 56, 78);
    sheet(p, before, true, true);
    label(p, QRectF(0, 4, 100, 20), Text::tr("Voorkanten"));

    // The turn: over the page's vertical axis.
    QPainterPath arrow(QPointF(92, 70));
    arrow.cubicTo(QPointF(110, 40), QPointF(140, 40), QPointF(158, 70));
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arrow);
    p.drawLine(QPointF(158, 70), QPointF(150, 62));
    p.drawLine(QPointF(158, 70), QPointF(160, 59));
    label(p, QRectF(80, 76, 90, 30), Text::tr("omdraaien"));

    // Right: in the tray, blank side where the fronts were, the first edge
    // towards the printer (up) for a portrait page, away from it for landscape.
    p.setPen(QPen(Qt::darkGray, 2));
    p.setBrush(QColor(230, 230, 230));
    p.drawRect(QRectF(168, 36, 80, 86));
    const QRectF after(180, 28, 56, 78);
    sheet(p, after, false, !landscape);
    p.setPen(Qt::darkGray);
    p.drawText(after, Qt::AlignCenter | Qt::TextWordWrap, Text::tr("lege kant als eerst"));
    label(p, QRectF(160, 4, 100, 20), Text::tr("Achterkanten"));
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(244, 60), QPointF(244, 28));
    p.drawLine(QPointF(244, 28), QPointF(238, 34));
    p.drawLine(QPointF(244, 28), QPointF(250, 34));
    label(p, QRectF(160, 124, 100, 26), Text::tr("papierlade"));
    label(p, QRectF(0, 112, 100, 36),
          landscape ? Text::tr("rode rand nu als laatste") : Text::tr("rode rand weer als eerste"));
    return image;
}
