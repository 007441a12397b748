#include "common/TestRegistry.h"

#include "app/Main.h"
#include "drawing/Gradients.h"
#include "platform/ClickableLabel.h"
#include "platform/PictureSurface.h"

#include <QAction>
#include <QTest>
#include <cmath>

namespace {
Rgb pixel(const DrawingSurface& surface, int x, int y)
{
    return Rgb::fromValue(std::uint32_t(surface.point(x, y)));
}
}

class GradientTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuDarkensTheFillColourAndRunsFromFillToDraw()
    {
        Main main;
        main.GradientRichting[0]->trigger();
        QCOMPARE(main.state.fillColor, (Rgb{255, 254, 0}));
        QCOMPARE(pixel(main.card, 0, 0), (Rgb{255, 254, 0}));
        QCOMPARE(pixel(main.card, 514, 364), (Rgb{0, 0, 0}));
        QCOMPARE(main.Label4->palette().color(QPalette::Window), QColor(255, 255, 0)); // swatch not repainted

        main.GradientRichting[1]->trigger();
        main.GradientRichting[2]->trigger();
        QCOMPARE(main.state.fillColor.g, 252);
        main.state.fillColor = {10, 0, 10};
        main.GradientRichting[3]->trigger();
        QCOMPARE(main.state.fillColor, (Rgb{10, 0, 10}));
    }

    void everyDirectionPutsTheColoursOnItsEdgesAndCoversTheCard()
    {
        // Edge of the first colour, then of the second, per direction.
        const QPoint edges[][2] = {{{200, 0}, {200, 364}}, {{0, 100}, {514, 100}}, {{200, 364}, {200, 0}},
                                   {{514, 100}, {0, 100}}, {{0, 0}, {514, 364}}};
        for (int direction = 0; direction <= 4; ++direction) {
            PictureSurface card;
            GradientLinear(card, RGB(200, 100, 0), direction, RGB(0, 100, 200));
            const Rgb first = pixel(card, edges[direction][0].x(), edges[direction][0].y());
            const Rgb last = pixel(card, edges[direction][1].x(), edges[direction][1].y());
            QVERIFY2(first.r >= 196 && first.b <= 4 && last.b >= 196 && last.r <= 4, qPrintable(QString::number(direction)));
            QCOMPARE(card.lineWidth, 1);

            GradientLinear(card, RGB(30, 60, 90), direction, RGB(30, 60, 90));
            QImage flat(card.width(), card.height(), QImage::Format_RGB32);
            flat.fill(QColor(30, 60, 90));
            QVERIFY2(card.image() == flat, qPrintable(QString::number(direction)));
        }
        // Too small for a band step: the sweep still ends.
        PictureSurface tiny(3, 3);
        GradientLinear(tiny, RGB(255, 0, 0), 0, RGB(0, 0, 255));
        QVERIFY(pixel(tiny, 1, 0).r > 150 && pixel(tiny, 1, 2).b > 200);
    }

    void bandStepsAndTheFirstBandAreExact()
    {
        // At one twip a pixel the bands do not overlap: the step shows as the
        // rows (columns) left white between them. 350 / 120 and 470 / 160
        // round to a step of 3. The first band has the end colour, each
        // later one the colour computed at the band before it.
        PictureSurface rows(4, 350), columns(470, 4);
        GradientLinear(rows, RGB(0, 0, 0), 0, RGB(210, 140, 70), 1);
        GradientLinear(columns, RGB(0, 0, 0), 1, RGB(235, 47, 94), 1);
        const Rgb white{255, 255, 255};
        const auto along = [&](const PictureSurface& s, int i) { return &s == &rows ? pixel(s, 2, i) : pixel(s, i, 2); };
        for (const PictureSurface* s : {&rows, &columns}) {
            QCOMPARE(along(*s, 1), white);
            QCOMPARE(along(*s, 2), white);
            QCOMPARE(along(*s, 3), (Rgb{0, 0, 0}));
            QCOMPARE(along(*s, 4), white);
        }
        QCOMPARE(pixel(rows, 2, 0), (Rgb{210, 140, 70}));
        QCOMPARE(pixel(rows, 2, 6), (Rgb{2, 1, 1}));
        QCOMPARE(pixel(rows, 2, 348), (Rgb{207, 138, 69}));
        QCOMPARE(pixel(columns, 0, 2), (Rgb{235, 47, 94}));
        QCOMPARE(pixel(columns, 6, 2), (Rgb{2, 0, 1}));    // 1.5 rounds to the even 2
        QCOMPARE(pixel(columns, 9, 2), (Rgb{3, 1, 1}));

        // Diagonal: 880 / 100 rounds to 9, also the pen width. The band at p
        // covers x + y up to p + 6, so (150, 100) last gets the band at 252,
        // in the colour computed at 243.
        PictureSurface diagonal(450, 430);
        GradientLinear(diagonal, RGB(0, 0, 0), 4, RGB(176, 88, 44), 1);
        QCOMPARE(pixel(diagonal, 150, 100), (Rgb{49, 24, 12}));
        QCOMPARE(pixel(diagonal, 100, 100), (Rgb{38, 19, 9}));
    }

    void circularColoursAreTruncatedTowardZero()
    {
        // Three discs; the innermost has A + (B - A) * 2 / 3 per component.
        PictureSurface surface(60, 40);
        GradientCircular(surface, RGB(0, 100, 200), RGB(100, 0, 0), 3, -1, -1);
        QCOMPARE(pixel(surface, 30, 20), (Rgb{66, 34, 67}));
        QCOMPARE(pixel(surface, 0, 0), (Rgb{0, 100, 200}));
    }

    void circularGradientRunsFromTheCornersToTheMiddle()
    {
        Main main;
        main.GradientRichting[5]->trigger();
        // The first disc (radius about 315.6) reaches the corners; the second,
        // 1.24 smaller, only the bottom right pixel, a little nearer the centre.
        for (const QPoint corner : {QPoint(0, 0), QPoint(514, 0), QPoint(0, 364)})
            QCOMPARE(pixel(main.card, corner.x(), corner.y()), (Rgb{255, 254, 0}));
        QCOMPARE(pixel(main.card, 514, 364), (Rgb{254, 254, 0}));
        QCOMPARE(pixel(main.card, 257, 182), (Rgb{1, 1, 0}));
    }

    void circularDiscsMatchTheSurfacesFilledCircle()
    {
        for (const int penWidth : {1, 4}) {
            for (const QPointF centre : {QPointF(-1, -1), QPointF(10.3, 20.7), QPointF(400, 50)}) {
                PictureSurface gradient(120, 90), circle(120, 90);
                gradient.lineWidth = circle.lineWidth = penWidth;
                GradientCircular(gradient, RGB(9, 99, 199), 0, 1, centre.x(), centre.y());
                const double cx = centre.x() == -1 ? 60 : centre.x(), cy = centre.y() == -1 ? 45 : centre.y();
                const double dx = cx < 60 ? 120 - cx : cx, dy = cy < 45 ? 90 - cy : cy;
                circle.fillStyle = CardSurface::Solid;
                circle.fillColor = RGB(9, 99, 199);
                circle.ellipse(cx, cy, std::sqrt(dx * dx + dy * dy), RGB(9, 99, 199));
                QVERIFY2(gradient.image() == circle.image(), qPrintable(QString("pen %1 x %2").arg(penWidth).arg(cx)));
            }
        }
    }
};

PRENTVEL_TEST(GradientTest)
#include "GradientTest.moc"
