#include "app/Plaatjes.h"

#include "platform/SharpPicture.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

constexpr int CornerWidth = 231;
constexpr int CornerHeight = 44;
constexpr int TitleWidth = 529;
constexpr int TitleHeight = 44;
const QRect cornerRect(0, 0, CornerWidth, CornerHeight);

void fillSky(QPainter& p, const QRect& r, const QColor& top, const QColor& bottom)
{
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, top);
    sky.setColorAt(1, bottom);
    p.fillRect(r, sky);
}

// Seaside: sun over the water, a sail on the horizon.
QImage seaside(qreal ratio)
{
    QImage image = pictureCanvas(CornerWidth, CornerHeight, ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fillSky(p, cornerRect, QColor(255, 196, 120), QColor(255, 236, 200));
    QRadialGradient sun(QPointF(170, 26), 16);
    sun.setColorAt(0, QColor(255, 250, 210));
    sun.setColorAt(1, QColor(255, 170, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(170, 26), 13, 13);
    QLinearGradient sea(0, 28, 0, CornerHeight);
    sea.setColorAt(0, QColor(40, 110, 170));
    sea.setColorAt(1, QColor(20, 60, 110));
    p.fillRect(QRect(0, 28, CornerWidth, CornerHeight - 28), sea);
    p.setPen(QPen(QColor(255, 220, 150), 1));
    for (int i = 0; i < 5; ++i)
        p.drawLine(150 + i * 3, 31 + i * 3, 190 - i * 3, 31 + i * 3);
    QPainterPath sail;
    sail.moveTo(60, 27);
    sail.lineTo(60, 10);
    sail.lineTo(72, 27);
    sail.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(sail);
    p.setBrush(QColor(90, 50, 30));
    p.drawRect(QRectF(52, 27, 24, 3));
    return image;
}

// Mountains with snow caps under a clear sky.
QImage mountains(qreal ratio)
{
    QImage image = pictureCanvas(CornerWidth, CornerHeight, ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fillSky(p, cornerRect, QColor(120, 180, 235), QColor(215, 235, 250));
    const auto peak = [&](double x, double top, double half, const QColor& colour) {
        QPainterPath hill;
        hill.moveTo(x - half, CornerHeight);
        hill.lineTo(x, top);
        hill.lineTo(x + half, CornerHeight);
        hill.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(hill);
        QPainterPath snow;
        const double depth = 8;
        snow.moveTo(x - half * depth / (CornerHeight - top), top + depth);
        snow.lineTo(x, top);
        snow.lineTo(x + half * depth / (CornerHeight - top), top + depth);
        snow.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(snow);
    };
    peak(60, 8, 60, QColor(95, 105, 130));
    peak(140, 4, 70, QColor(80, 90, 115));
    peak(205, 12, 50, QColor(105, 115, 140));
    p.fillRect(QRect(0, 38, CornerWidth, 6), QColor(70, 130, 70));
    return image;
}

// A meadow of flowers.
QImage flowers(qreal ratio)
{
    QImage image = pictureCanvas(CornerWidth, CornerHeight, ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fillSky(p, QRect(0, 0, CornerWidth, 20), QColor(160, 210, 250), QColor(220, 240, 255));
    QLinearGradient grass(0, 18, 0, CornerHeight);
    grass.setColorAt(0, QColor(120, 190, 90));
    grass.setColorAt(1, QColor(50, 120, 50));
    p.fillRect(QRect(0, 18, CornerWidth, CornerHeight - 18), grass);
    const QColor petals[] = {QColor(230, 60, 80), QColor(250, 200, 40), QColor(200, 90, 200), QColor(255, 255, 255), QColor(250, 130, 40)};
    for (int i = 0; i < 23; ++i) {
        const double x = 6 + i * 9.7 + (i % 3) * 2;
        const double y = 24 + ((i * 7) % 15);
        p.setPen(QPen(QColor(40, 100, 40), 1));
        p.drawLine(QPointF(x, y), QPointF(x, y + 6));
        p.setPen(Qt::NoPen);
        p.setBrush(petals[i % 5]);
        for (int k = 0; k < 5; ++k) {
            const double angle = k * 72 * 3.14159265 / 180;
            p.drawEllipse(QPointF(x + 2.2 * std::cos(angle), y + 2.2 * std::sin(angle)), 1.8, 1.8);
        }
        p.setBrush(QColor(250, 230, 120));
        p.drawEllipse(QPointF(x, y), 1.2, 1.2);
    }
    return image;
}

// A town by night under the stars.
QImage nightTown(qreal ratio)
{
    QImage image = pictureCanvas(CornerWidth, CornerHeight, ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fillSky(p, cornerRect, QColor(15, 20, 60), QColor(60, 50, 110));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 220));
    for (int i = 0; i < 30; ++i)
        p.drawEllipse(QPointF((i * 53) % CornerWidth, (i * 17) % 22 + 2), 0.8, 0.8);
    p.drawEllipse(QPointF(200, 11), 6, 6);
    p.setBrush(QColor(15, 20, 60));
    p.drawEllipse(QPointF(203, 9), 5.5, 5.5);
    const int roofs[][3] = {{0, 26, 28}, {28, 20, 22}, {50, 30, 30}, {80, 18, 26}, {106, 24, 34}, {140, 16, 20}, {160, 27, 30}, {190, 22, 41}};
    for (const auto& house : roofs) {
        p.setBrush(QColor(30, 30, 45));
        p.drawRect(QRect(house[0], house[1], house[2], CornerHeight - house[1]));
        p.setBrush(QColor(255, 210, 90));
        for (int wx = house[0] + 4; wx + 3 < house[0] + house[2]; wx += 7)
            for (int wy = house[1] + 4; wy + 4 < CornerHeight; wy += 8)
                if ((wx + wy) % 3)
                    p.drawRect(QRect(wx, wy, 3, 4));
    }
    return image;
}

}

QImage Plaatjes::titlePicture(qreal ratio)
{
    QImage image = pictureCanvas(TitleWidth, TitleHeight, ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient band(0, 0, TitleWidth, 0);
    band.setColorAt(0, QColor(25, 55, 110));
    band.setColorAt(0.6, QColor(40, 110, 150));
    band.setColorAt(1, QColor(90, 170, 170));
    p.fillRect(QRect(0, 0, TitleWidth, TitleHeight), band);

    // A stamp with a perforated edge.
    const QRectF stamp(10, 5, 30, 34);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(stamp);
    p.setBrush(QColor(25, 55, 110));
    for (double x = stamp.left(); x <= stamp.right(); x += 5) {
        p.drawEllipse(QPointF(x, stamp.top()), 1.5, 1.5);
        p.drawEllipse(QPointF(x, stamp.bottom()), 1.5, 1.5);
    }
    for (double y = stamp.top(); y <= stamp.bottom(); y += 5) {
        p.drawEllipse(QPointF(stamp.left(), y), 1.5, 1.5);
        p.drawEllipse(QPointF(stamp.right(), y), 1.5, 1.5);
    }
    p.setBrush(QColor(230, 90, 70));
    p.drawEllipse(QPointF(25, 18), 6, 6);
    p.setBrush(QColor(70, 140, 90));
    QPainterPath hill;
    hill.moveTo(14, 35);
    hill.quadTo(25, 22, 36, 35);
    hill.closeSubpath();
    p.drawPath(hill);

    QFont title("Liberation Serif");
    title.setPixelSize(28);
    title.setBold(true);
    title.setItalic(true);
    p.setFont(title);
    p.setPen(QColor(255, 250, 235));
    p.drawText(QRectF(52, 0, 200, 44), Qt::AlignVCenter | Qt::AlignLeft, "Prentvel");
    QFont subtitle("Liberation Sans");
    subtitle.setPixelSize(13);
    p.setFont(subtitle);
    p.setPen(QColor(220, 235, 245));
    p.drawText(QRectF(190, 0, 330, 44), Qt::AlignVCenter | Qt::AlignRight,
               QCoreApplication::translate("Main", "prentbriefkaarten ontwerpen en afdrukken"));
    return image;
}

QImage Plaatjes::Img(int index, qreal ratio)
{
    switch (index) {
    case 10: return seaside(ratio);
    case 11: return mountains(ratio);
    case 12: return flowers(ratio);
    case 13: return nightTown(ratio);
    }
    return QImage();
}

PictureAtRatio Plaatjes::picture(int index)
{
    return [index](qreal ratio) { return Img(index, ratio); };
}
