#pragma once
// Drives the card of a real main window with mouse events, as a user would.
#include "app/Main.h"
#include "platform/Colors.h"
#include "platform/PictureBox.h"

#include <QTest>
#include <initializer_list>

namespace CardMouse {

inline void press(Main& main, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(main.Voorkant, button, {}, at);
}
inline void moveTo(Main& main, QPoint at)
{
    QTest::mouseMove(main.Voorkant, at);
}
inline void release(Main& main, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseRelease(main.Voorkant, button, {}, at);
}
// Press at the first point, move through the others, release at the last.
inline void drag(Main& main, std::initializer_list<QPoint> path, Qt::MouseButton button = Qt::LeftButton)
{
    press(main, *path.begin(), button);
    for (QPoint p : path)
        moveTo(main, p);
    release(main, *(path.end() - 1), button);
}

inline Rgb pixel(const Main& main, int x, int y)
{
    return Rgb::fromValue(valueFromPixel(main.card.image().pixel(x, y)));
}

inline int pixelsNotWhite(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    return count;
}

const Rgb White{255, 255, 255};
const Rgb Black{0, 0, 0};
const Rgb Yellow{255, 255, 0};

}

namespace QTest {
template <>
inline char* toString(const Rgb& c)
{
    return qstrdup(QByteArray::number(c.r) + "," + QByteArray::number(c.g) + "," + QByteArray::number(c.b));
}
}
