#include "common/TestRegistry.h"
#include "platform/PictureSurface.h"
#include "platform/Rounding.h"

#include <QTest>

namespace {
const std::uint32_t White = RGB(255, 255, 255);
const std::uint32_t Red = RGB(255, 0, 0);
const std::uint32_t Blue = RGB(0, 0, 255);

int countPixels(const PictureSurface& card, std::uint32_t color)
{
    int count = 0;
    for (int y = 0; y < card.height(); ++y)
        for (int x = 0; x < card.width(); ++x)
            count += card.point(x, y) == color;
    return count;
}
}

class CardSurfaceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsWhiteAndPointsOutsideAreMinusOne()
    {
        PictureSurface card;
        QCOMPARE(card.width(), 515);
        QCOMPARE(card.height(), 365);
        QCOMPARE(countPixels(card, White), 515 * 365);
        QCOMPARE(card.point(-1, 0), qint64(-1));
        QCOMPARE(card.point(515, 10), qint64(-1));
    }

    void pixelValuesAreBlueGreenRed()
    {
        PictureSurface card;
        card.setPixel(3, 4, RGB(10, 20, 30));
        QCOMPARE(card.point(3, 4), qint64(0x1E140A));
        QCOMPARE(card.image().pixel(3, 4) & 0xFFFFFF, 0x0A141Eu);
    }

    void boxCoversBothCornersAndFillsByStyle()
    {
        PictureSurface card;
        card.fillColor = Blue;
        card.fillStyle = PictureSurface::Solid;
        card.box(12, 10, 2, 20, Red); // corners in any order
        QCOMPARE(card.point(2, 10), qint64(Red));
        QCOMPARE(card.point(12, 20), qint64(Red));
        QCOMPARE(card.point(13, 20), qint64(White));
        QCOMPARE(card.point(7, 15), qint64(Blue));
        QCOMPARE(countPixels(card, Red), 2 * 11 + 2 * 9);
        QCOMPARE(countPixels(card, Blue), 9 * 9);

        PictureSurface transparent;
        transparent.box(2, 10, 12, 20, Red);
        QCOMPARE(transparent.point(7, 15), qint64(White));
    }

    void hatchPatternsFillOnlyTheirLines_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("expected"); // blue pixels inside a 64 x 64 interior
        QTest::newRow("horizontal") << 2 << 8 * 64;
        QTest::newRow("vertical") << 3 << 8 * 64;
        QTest::newRow("upward") << 4 << 8 * 64;
        QTest::newRow("downward") << 5 << 8 * 64;
        QTest::newRow("cross") << 6 << 2 * 8 * 64 - 64;
        QTest::newRow("diagonal cross") << 7 << 2 * 8 * 64 - 16 * 8; // both diagonals meet on every fourth row
    }
    void hatchPatternsFillOnlyTheirLines()
    {
        QFETCH(int, style);
        QFETCH(int, expected);
        PictureSurface card;
        card.fillColor = Blue;
        card.fillStyle = style;
        card.box(7, 7, 72, 72, Red); // interior 8..71
        QCOMPARE(countPixels(card, Blue), expected);
    }

    void ellipseSemiAxesFollowAspect()
    {
        PictureSurface wide;
        wide.ellipse(100, 100, 50, Red, 0.4); // horizontal 50, vertical 20
        QCOMPARE(wide.point(50, 100), qint64(Red));
        QCOMPARE(wide.point(150, 100), qint64(Red));
        QCOMPARE(wide.point(100, 80), qint64(Red));
        QCOMPARE(wide.point(100, 79), qint64(White));
        QCOMPARE(wide.point(49, 100), qint64(White));

        PictureSurface tall;
        tall.ellipse(100, 100, 50, Red, 2.5); // vertical 50, horizontal 20
        QCOMPARE(tall.point(100, 50), qint64(Red));
        QCOMPARE(tall.point(80, 100), qint64(Red));
        QCOMPARE(tall.point(79, 100), qint64(White));
        QCOMPARE(tall.point(100, 100), qint64(White)); // outline only
    }

    void drawingIsClippedAtTheEdges()
    {
        PictureSurface card;
        card.lineWidth = 5;
        card.line(-100, -100, 1000, 1000, Red);
        card.ellipse(0, 0, 10000, Red);
        card.fillStyle = PictureSurface::Solid;
        card.fillColor = Red;
        card.box(-50, 300, 600, 400, Red);
        card.setPixel(515, 365, Red);
        QCOMPARE(card.point(0, 0), qint64(Red));
        QCOMPARE(card.point(514, 364), qint64(Red));
        QVERIFY(countPixels(card, White) > 0);
    }

    void invertTwiceRestoresThePixels()
    {
        PictureSurface card;
        card.fillColor = Blue;
        card.fillStyle = PictureSurface::Solid;
        card.box(10, 10, 100, 100, Red);
        const QImage before = card.image();
        card.drawMode = PictureSurface::DrawMode::Invert;
        card.lineWidth = 3;
        for (int pass = 0; pass < 2; ++pass) {
            card.line(0, 0, 200, 150, Red);
            card.box(5, 5, 60, 60, Red);
            card.ellipse(80, 80, 30, Red, 0.5);
        }
        QCOMPARE(card.image(), before);
    }

    void lineIncludesBothEndsAndThickensRound()
    {
        PictureSurface card;
        card.line(10, 10, 20, 10, Red);
        QCOMPARE(countPixels(card, Red), 11);
        PictureSurface thick;
        thick.lineWidth = 3;
        thick.line(50, 50, 50, 50, Red);
        QCOMPARE(countPixels(thick, Red), 9);
    }

    void assignedPictureReplacesCurrentImage()
    {
        PictureSurface card;
        card.line(0, 0, 100, 0, Red);
        QImage picture(10, 10, QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        card.assignBasePicture(picture);
        QCOMPARE(card.point(5, 0), qint64(White)); // transparency shows the white card
        QCOMPARE(card.point(50, 0), qint64(White));
        QCOMPARE(card.basePicture(), card.image());
    }

    void textInPointsRendersAt96Dpi()
    {
        PictureSurface card;
        card.fontSize = 22;
        QVERIFY(qAbs(card.textHeight() - 29.0 * 1.15) < 6.0); // about 29 pixels of em, plus leading
        card.foreColor = Red;
        card.currentX = 20;
        card.currentY = 30;
        card.printText("HHHH");
        QCOMPARE(card.point(10, 40), qint64(White));
        QVERIFY(countPixels(card, White) < 515 * 365 - 100);
        int top = 365;
        for (int y = 0; y < 365 && top == 365; ++y)
            for (int x = 0; x < 515; ++x)
                if (card.point(x, y) != White) {
                    top = y;
                    break;
                }
        QVERIFY(top >= 30 && top < 40);
    }

    void roundsHalvesToEven()
    {
        QCOMPARE(roundHalfEven(2.5), 2LL);
        QCOMPARE(roundHalfEven(3.5), 4LL);
        QCOMPARE(roundHalfEven(-2.5), -2LL);
        QCOMPARE(roundHalfEven(1.5), 2LL);
    }
};

PRENTVEL_TEST(CardSurfaceTest)
#include "CardSurfaceTest.moc"
