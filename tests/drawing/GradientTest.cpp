#include "common/TestRegistry.h"

#include "app/Main.h"
#include "drawing/Gradients.h"
#include "platform/CardSurface.h"
#include "platform/ClickableLabel.h"

#include <QAction>
#include <QLabel>
#include <QTest>
#include <cmath>

namespace {
Rgb pixel(const CardSurface& surface, int x, int y)
{
    return Rgb::fromValue(std::uint32_t(surface.point(x, y)));
}
}

class GradientTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void topGradientRunsFromFillToDrawColourAndDarkensFill()
    {
        Main main;
        main.GradientRichting[0]->trigger();
        QCOMPARE(main.state.fillColor, (Rgb{255, 254, 0}));
        for (int x : {0, 257, 514}) {
            QCOMPARE(pixel(main.card, x, 0), (Rgb{255, 254, 0}));
            QCOMPARE(pixel(main.card, x, 364), (Rgb{0, 0, 0}));
        }
        const Rgb middle = pixel(main.card, 100, 182);
        QVERIFY(middle.r > 100 && middle.r < 155);
        // The swatch keeps the colour it showed.
        QCOMPARE(main.Label4->palette().color(QPalette::Window), QColor(255, 255, 0));

        main.GradientRichting[1]->trigger();
        main.GradientRichting[2]->trigger();
        QCOMPARE(main.state.fillColor.g, 252);
        main.state.fillColor = {10, 0, 10};
        main.GradientRichting[3]->trigger();
        QCOMPARE(main.state.fillColor, (Rgb{10, 0, 10}));
    }

    void eachDirectionPutsTheColoursOnItsEdges_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<QPoint>("firstEdge");
        QTest::addColumn<QPoint>("lastEdge");
        QTest::newRow("Boven") << 0 << QPoint(200, 0) << QPoint(200, 364);
        QTest::newRow("Links") << 1 << QPoint(0, 100) << QPoint(514, 100);
        QTest::newRow("Onderen") << 2 << QPoint(200, 364) << QPoint(200, 0);
        QTest::newRow("Rechts") << 3 << QPoint(514, 100) << QPoint(0, 100);
        QTest::newRow("Diagonaal") << 4 << QPoint(0, 0) << QPoint(514, 364);
    }
    void eachDirectionPutsTheColoursOnItsEdges()
    {
        QFETCH(int, direction);
        QFETCH(QPoint, firstEdge);
        QFETCH(QPoint, lastEdge);
        CardSurface card;
        card.lineWidth = 1;
        GradientLinear(card, RGB(200, 100, 0), direction, RGB(0, 100, 200));
        const Rgb first = pixel(card, firstEdge.x(), firstEdge.y());
        const Rgb last = pixel(card, lastEdge.x(), lastEdge.y());
        QVERIFY2(first.r >= 196 && first.b <= 4, qPrintable(QString("%1,%2,%3").arg(first.r).arg(first.g).arg(first.b)));
        QVERIFY2(last.b >= 196 && last.r <= 4, qPrintable(QString("%1,%2,%3").arg(last.r).arg(last.g).arg(last.b)));
        QCOMPARE(card.lineWidth, 1);
    }

    void equalColoursGiveOneFlatColourEverywhere()
    {
        for (int direction = 0; direction <= 4; ++direction) {
            CardSurface card;
            GradientLinear(card, RGB(30, 60, 90), direction, RGB(30, 60, 90));
            QImage expected(card.width(), card.height(), QImage::Format_RGB32);
            expected.fill(QColor(30, 60, 90));
            QVERIFY2(card.image() == expected, qPrintable(QString("direction %1").arg(direction)));
        }
    }

    void tinySurfaceStillGetsItsGradient()
    {
        CardSurface tiny(3, 3);
        GradientLinear(tiny, RGB(255, 0, 0), 0, RGB(0, 0, 255));
        const Rgb top = pixel(tiny, 1, 0), bottom = pixel(tiny, 1, 2);
        QVERIFY(top.r > 150 && top.b < 100);
        QVERIFY(bottom.b > 200 && bottom.r < 50);
    }

    void circularGradientCoversTheCardFromRimToMiddle()
    {
        Main main;
        main.GradientRichting[5]->trigger();
        // The first disc just reaches the corners (radius about 315.6); the
        // second, 1.24 pixels smaller, misses all but the bottom right one,
        // whose pixel lies a little nearer the centre.
        for (const QPoint corner : {QPoint(0, 0), QPoint(514, 0), QPoint(0, 364)})
            QCOMPARE(pixel(main.card, corner.x(), corner.y()), (Rgb{255, 254, 0}));
        QCOMPARE(pixel(main.card, 514, 364), (Rgb{254, 254, 0}));
        QCOMPARE(pixel(main.card, 257, 182), (Rgb{1, 1, 0}));
    }

    void circularDiscsMatchTheSurfacesFilledCircle()
    {
        for (const int penWidth : {1, 4}) {
            for (const QPointF centre : {QPointF(-1, -1), QPointF(10.3, 20.7), QPointF(400, 50)}) {
                CardSurface gradient(120, 90), circle(120, 90);
                gradient.lineWidth = circle.lineWidth = penWidth;
                GradientCircular(gradient, RGB(9, 99, 199), 0, 1, centre.x(), centre.y());
                const double cx = centre.x() == -1 ? 60 : centre.x(), cy = centre.y() == -1 ? 45 : centre.y();
                const double dx = cx < 60 ? 120 - cx : cx, dy = cy < 45 ? 90 - cy : cy;
                circle.fillStyle = CardSurface::Solid;
                circle.fillColor = RGB(9, 99, 199);
                circle.ellipse(cx, cy, std::sqrt(dx * dx + dy * dy), RGB(9, 99, 199));
                QVERIFY2(gradient.image() == circle.image(), qPrintable(QString("pen %1 centre %2,%3").arg(penWidth).arg(cx).arg(cy)));
            }
        }
    }
};

PRENTVEL_TEST(GradientTest)
#include "GradientTest.moc"
