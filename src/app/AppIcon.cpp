#include "app/AppIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QImage appIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    // The card, slightly turned, with a shadow.
    p.translate(32, 33);
    p.rotate(-8);
    const QRectF card(-28, -20, 56, 40);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(card.translated(1.5, 2), 2, 2);
    p.setBrush(QColor(252, 250, 244));
    p.drawRoundedRect(card, 2, 2);

    const QRectF picture = card.adjusted(3, 3, -3, -3);
    QLinearGradient sky(picture.topLeft(), picture.bottomLeft());
    sky.setColorAt(0, QColor(250, 150, 90));
    sky.setColorAt(0.55, QColor(255, 220, 160));
    sky.setColorAt(0.56, QColor(40, 110, 170));
    sky.setColorAt(1, QColor(20, 60, 110));
    p.setBrush(sky);
    p.drawRect(picture);
    p.setBrush(QColor(255, 245, 205));
    p.drawEllipse(QPointF(6, -1), 6, 6);
    p.setBrush(QColor(20, 60, 110));
    p.drawRect(QRectF(picture.left(), 0.5, picture.width(), picture.bottom() - 0.5));
    QPainterPath hill;
    hill.moveTo(picture.left(), picture.bottom());
    hill.quadTo(-12, 2, 2, picture.bottom());
    hill.closeSubpath();
    p.setBrush(QColor(60, 130, 70));
    p.drawPath(hill);

    // The stamp in the corner.
    const QRectF stamp(13, -24, 14, 16);
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(stamp.adjusted(-1.2, -1.2, 1.2, 1.2));
    p.setBrush(QColor(200, 55, 45));
    p.drawRect(stamp);
    p.setBrush(QColor(255, 220, 120));
    p.drawEllipse(stamp.center(), 3.5, 3.5);
    return image;
}
