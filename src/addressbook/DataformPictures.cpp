#include "addressbook/DataformPictures.h"

#include <QPainter>
#include <QPolygonF>

namespace DataformPictures {

QPixmap arrow(Arrow kind)
{
    QPixmap picture(16, 12);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 60));

    const bool pointsLeft = kind == Arrow::First || kind == Arrow::Previous;
    const bool hasBar = kind == Arrow::First || kind == Arrow::Last;
    // Triangle of 7 x 10, centred, shifted away from the bar when there is one.
    const double shift = hasBar ? (pointsLeft ? 2.0 : -2.0) : 0.0;
    const double left = 4.5 + shift;
    const double right = 11.5 + shift;
    const QPolygonF triangle = pointsLeft
        ? QPolygonF({QPointF(left, 6), QPointF(right, 1), QPointF(right, 11)})
        : QPolygonF({QPointF(right, 6), QPointF(left, 1), QPointF(left, 11)});
    p.drawPolygon(triangle);
    if (hasBar)
        p.drawRect(pointsLeft ? QRectF(left - 3, 1, 2, 10) : QRectF(right + 1, 1, 2, 10));
    return picture;
}

QPixmap addressCard()
{
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter p(&picture);

    // Envelope behind, tilted a little by its flap.
    p.setPen(QColor(100, 100, 0));
    p.setBrush(QColor(240, 230, 170));
    p.drawRect(1, 4, 29, 19);
    p.drawLine(1, 4, 15, 15);
    p.drawLine(30, 4, 15, 15);

    // Address card in front, with a stamp and three address lines.
    p.setPen(QColor(20, 20, 60));
    p.setBrush(QColor(250, 250, 245));
    p.drawRect(6, 13, 24, 17);
    p.fillRect(24, 15, 5, 6, QColor(200, 40, 40));
    p.setPen(QColor(20, 20, 60));
    for (int line = 0; line < 3; ++line)
        p.drawLine(9, 20 + 3 * line, 20, 20 + 3 * line);
    return picture;
}

}
