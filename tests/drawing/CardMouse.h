#pragma once
// Drives the card of a real main window with mouse events, as a user would.
#include "app/Main.h"
#include "platform/PictureBox.h"

#include <QTest>
#include <initializer_list>

namespace CardMouse {

const Rgb White{255, 255, 255}, Black{0, 0, 0}, Yellow{255, 255, 0};

// Press at the first point, move through the others, release at the last.
inline void drag(Main& main, std::initializer_list<QPoint> path, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(main.Voorkant, button, {}, *path.begin());
    for (QPoint p : path)
        QTest::mouseMove(main.Voorkant, p);
    QTest::mouseRelease(main.Voorkant, button, {}, *(path.end() - 1));
}

inline Rgb pixel(const Main& main, int x, int y)
{
    return Rgb::fromValue(valueFromPixel(main.card.image().pixel(x, y)));
}

struct Expected {
    int x, y;
    Rgb colour;
};
// The first pixel that differs from its expected colour, as "x,y: r,g,b"; empty when all match.
inline QString firstMismatch(const Main& main, std::initializer_list<Expected> pixels)
{
    for (const Expected& e : pixels) {
        const Rgb c = pixel(main, e.x, e.y);
        if (c != e.colour)
            return QString("%1,%2: %3,%4,%5").arg(e.x).arg(e.y).arg(c.r).arg(c.g).arg(c.b);
    }
    return QString();
}

inline int pixelsNotWhite(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    return count;
}

}
