#include "app/StartPhoto.h"

#include "platform/SharpPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

void sunsetSea(QPainter& p, const QRectF& r)
{
    QLinearGradient sky(r.topLeft(), QPointF(r.left(), r.center().y()));
    sky.setColorAt(0, QColor(250, 140, 90));
    sky.setColorAt(1, QColor(255, 215, 150));
    p.fillRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.6), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 245, 200));
    p.drawEllipse(QPointF(r.left() + r.width() * 0.65, r.top() + r.height() * 0.55), r.height() * 0.16, r.height() * 0.16);
    QLinearGradient sea(QPointF(r.left(), r.top() + r.height() * 0.6), r.bottomLeft());
    sea.setColorAt(0, QColor(40, 100, 160));
    sea.setColorAt(1, QColor(15, 50, 100));
    p.fillRect(QRectF(r.left(), r.top() + r.height() * 0.6, r.width(), r.height() * 0.4), sea);
    p.setPen(QPen(QColor(255, 220, 160), 1.2));
    for (int i = 0; i < 4; ++i) {
        const double y = r.top() + r.height() * (0.66 + i * 0.07);
        const double half = r.width() * (0.12 - i * 0.02);
        p.drawLine(QPointF(r.left() + r.width() * 0.65 - half, y), QPointF(r.left() + r.width() * 0.65 + half, y));
    }
}

void tulipField(QPainter& p, const QRectF& r)
{
    QLinearGradient sky(r.topLeft(), QPointF(r.left(), r.top() + r.height() * 0.4));
    sky.setColorAt(0, QColor(120, 180, 240));
    sky.setColorAt(1, QColor(210, 235, 255));
    p.fillRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.4), sky);
    const QColor rows[] = {QColor(230, 40, 60), QColor(250, 200, 30), QColor(240, 120, 180), QColor(250, 110, 30), QColor(190, 30, 50)};
    const double top = r.top() + r.height() * 0.4;
    const double rowHeight = (r.bottom() - top) / 5;
    for (int i = 0; i < 5; ++i) {
        QPainterPath band;
        const double y = top + i * rowHeight;
        band.moveTo(r.left(), y + rowHeight * 0.3);
        band.lineTo(r.right(), y);
        band.lineTo(r.right(), y + rowHeight);
        band.lineTo(r.left(), y + rowHeight * 1.4);
        band.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 ? QColor(60, 140, 60) : rows[i]);
        p.drawPath(band);
    }
    // A windmill on the horizon.
    const QPointF hub(r.left() + r.width() * 0.78, r.top() + r.height() * 0.22);
    p.setBrush(QColor(70, 50, 40));
    QPainterPath mill;
    mill.moveTo(hub.x() - 5, top);
    mill.lineTo(hub.x() - 3, hub.y());
    mill.lineTo(hub.x() + 3, hub.y());
    mill.lineTo(hub.x() + 5, top);
    mill.closeSubpath();
    p.drawPath(mill);
    p.setPen(QPen(QColor(70, 50, 40), 1.6));
    for (int k = 0; k < 4; ++k) {
        const double angle = (20 + k * 90) * M_PI / 180;
        p.drawLine(hub, hub + QPointF(std::cos(angle), std::sin(angle)) * (r.height() * 0.2));
    }
}

void mountainLake(QPainter& p, const QRectF& r)
{
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(90, 150, 220));
    sky.setColorAt(1, QColor(220, 235, 250));
    p.fillRect(r, sky);
    p.setPen(Qt::NoPen);
    const auto peak = [&](double cx, double height, double half, const QColor& colour) {
        QPainterPath hill;
        const double base = r.top() + r.height() * 0.7;
        hill.moveTo(cx - half, base);
        hill.lineTo(cx, base - height);
        hill.lineTo(cx + half, base);
        hill.closeSubpath();
        p.setBrush(colour);
        p.drawPath(hill);
        QPainterPath snow;
        snow.moveTo(cx - half * 0.25, base - height * 0.75);
        snow.lineTo(cx, base - height);
        snow.lineTo(cx + half * 0.25, base - height * 0.75);
        snow.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(snow);
    };
    peak(r.left() + r.width() * 0.3, r.height() * 0.55, r.width() * 0.35, QColor(90, 100, 130));
    peak(r.left() + r.width() * 0.7, r.height() * 0.45, r.width() * 0.35, QColor(110, 120, 150));
    QLinearGradient lake(QPointF(r.left(), r.top() + r.height() * 0.7), r.bottomLeft());
    lake.setColorAt(0, QColor(60, 130, 150));
    lake.setColorAt(1, QColor(30, 90, 110));
    p.fillRect(QRectF(r.left(), r.top() + r.height() * 0.7, r.width(), r.height() * 0.3), lake);
}

using Scene = void (*)(QPainter&, const QRectF&);

// One postcard lying on the desk: shadow, white border, picture.
void postcard(QPainter& p, QPointF centre, double angle, Scene scene)
{
    const QRectF card(-74, -52.5, 148, 105);
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawRoundedRect(card.translated(4, 5), 2, 2);
    p.setBrush(QColor(253, 252, 248));
    p.drawRect(card);
    const QRectF picture = card.adjusted(6, 6, -6, -6);
    p.setClipRect(picture);
    scene(p, picture);
    p.restore();
}

void stampAndPostmark(QPainter& p, QPointF at)
{
    p.save();
    p.translate(at);
    p.rotate(8);
    const QRectF stamp(0, 0, 34, 40);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRect(stamp.translated(2, 2));
    p.setBrush(QColor(255, 255, 252));
    p.drawRect(stamp);
    p.setBrush(QColor(250, 245, 235));
    for (double x = 0; x <= stamp.width(); x += 4) {
        p.drawEllipse(QPointF(x, 0), 1.4, 1.4);
        p.drawEllipse(QPointF(x, stamp.height()), 1.4, 1.4);
    }
    for (double y = 0; y <= stamp.height(); y += 4) {
        p.drawEllipse(QPointF(0, y), 1.4, 1.4);
        p.drawEllipse(QPointF(stamp.width(), y), 1.4, 1.4);
    }
    p.setBrush(QColor(200, 60, 50));
    p.drawRect(stamp.adjusted(4, 4, -4, -4));
    p.setBrush(QColor(255, 220, 120));
    p.drawEllipse(QPointF(17, 17), 6, 6);
    p.setBrush(QColor(255, 255, 255));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(8);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(4, 26, 26, 10), Qt::AlignCenter, QStringLiteral("POST"));
    p.setPen(QPen(QColor(40, 40, 60, 170), 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(-6, 26), 14, 14);
    for (int i = 0; i < 3; ++i) {
        QPainterPath wave;
        const double y = 20 + i * 6;
        wave.moveTo(-30, y);
        for (int k = 0; k < 4; ++k)
            wave.quadTo(-26 + k * 8, y - 3, -22 + k * 8, y);
        p.drawPath(wave);
    }
    p.restore();
}

}

QImage startPhoto(qreal ratio)
{
    const QRect photo(0, 0, 500, 320);
    QImage image = pictureCanvas(photo.width(), photo.height(), ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient desk(0, 0, 500, 320);
    desk.setColorAt(0, QColor(250, 246, 236));
    desk.setColorAt(1, QColor(226, 236, 244));
    p.fillRect(photo, desk);
    QRadialGradient glow(QPointF(390, 160), 220);
    glow.setColorAt(0, QColor(255, 236, 200, 140));
    glow.setColorAt(1, QColor(255, 236, 200, 0));
    p.fillRect(photo, glow);

    postcard(p, QPointF(372, 215), -14, mountainLake);
    postcard(p, QPointF(400, 170), 6, tulipField);
    postcard(p, QPointF(368, 105), -4, sunsetSea);
    stampAndPostmark(p, QPointF(420, 42));

    // A pencil lying beside the cards.
    p.save();
    p.translate(300, 292);
    p.rotate(-18);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRect(QRectF(3, 4, 150, 9));
    p.setBrush(QColor(245, 190, 40));
    p.drawRect(QRectF(0, 0, 130, 9));
    p.setBrush(QColor(235, 200, 160));
    QPainterPath tip;
    tip.moveTo(130, 0);
    tip.lineTo(150, 4.5);
    tip.lineTo(130, 9);
    tip.closeSubpath();
    p.drawPath(tip);
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(QPointF(148, 4.5), 2, 2);
    p.setBrush(QColor(230, 120, 130));
    p.drawRect(QRectF(-10, 0, 10, 9));
    p.restore();

    QFont title(QStringLiteral("Liberation Serif"));
    title.setPixelSize(40);
    title.setBold(true);
    title.setItalic(true);
    p.setFont(title);
    p.setPen(QColor(30, 60, 110));
    p.drawText(QPointF(18, 44), QStringLiteral("Prentvel"));
    return image;
}
