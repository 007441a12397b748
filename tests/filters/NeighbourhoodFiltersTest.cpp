#include "FilterTestPictures.h"
#include "common/TestRegistry.h"
#include "platform/Random.h"

#include <QTest>
#include <cstdlib>

namespace {
QString blueRun(const QImage& picture, int y, int fromX, int toX)
{
    QStringList values;
    for (int x = fromX; x <= toX; ++x)
        values << QString::number(qBlue(picture.pixel(x, y)));
    return values.join(',');
}

// The calmest-window rule written out plainly, window by window.
int aquarelChannel(const QImage& picture, int x, int y, int shift)
{
    const int corners[4][2] = {{-2, -2}, {0, -2}, {-2, 0}, {0, 0}};
    int best = 99999, result = 0;
    for (const auto& corner : corners) {
        int sum = 0, spread = 0;
        for (int pass = 0; pass < 2; ++pass) {
            for (int i = 0; i < 9; ++i) {
                const int v = int((picture.pixel(x + corner[0] + i % 3, y + corner[1] + i / 3) >> shift) & 0xFF);
                pass == 0 ? sum += v : spread += std::abs(v - sum / 9);
            }
        }
        if (spread < best) {
            best = spread;
            result = sum / 9;
        }
    }
    return result;
}
}

class NeighbourhoodFiltersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void blurSpreadsLopsidedInPlace()
    {
        QImage picture = flatPicture(20, 20, 0, 0, 0);
        setBgr(picture, 9, 9, 255, 255, 255);
        const QImage blurred = filtered(3, picture);
        QCOMPARE(blueRun(blurred, 8, 8, 11), QString("31,35,36,4"));
        QCOMPARE(blueRun(blurred, 9, 7, 11), QString("3,40,17,11,6"));
        QCOMPARE(blueRun(blurred, 10, 7, 11), QString("5,8,9,5,2"));
        QCOMPARE(bgr(blurred, 9, 9), QString("17,17,17"));
    }

    void flatAreasStayFlat()
    {
        const QImage flat = flatPicture(11, 8, 37, 90, 200);
        QCOMPARE(filtered(1, flat, 10), flat);
        QCOMPARE(filtered(3, flat), flat);
        QCOMPARE(filtered(6, flat, 1), flat);
        QCOMPARE(filtered(24, flat), flat);
        QCOMPARE(filtered(15, flat, 3), flat);
        QCOMPARE(bgr(filtered(7, flat, 0xFFFFFF), 5, 4), QString("255,255,255"));
        const QImage reliefBlack = filtered(13, flatPicture(5, 5, 0, 0, 0));
        const QImage reliefWhite = filtered(13, flatPicture(5, 5, 255, 255, 255));
        QCOMPARE(bgr(reliefBlack, 2, 2), QString("50,50,50"));
        QCOMPARE(bgr(reliefWhite, 3, 1), QString("177,177,177"));
        QCOMPARE(bgr(reliefWhite, 4, 2), QString("255,255,255"));
    }

    void contourAndEdgeKeepShapes()
    {
        QImage dot = flatPicture(5, 5, 255, 255, 255);
        setBgr(dot, 2, 2, 0, 0, 0);
        const QImage contour = filtered(7, dot, 0xFFFFFF);
        QCOMPARE(bgr(contour, 2, 2), QString("0,0,0"));
        QCOMPARE(bgr(contour, 1, 1), QString("255,255,255"));
        QCOMPARE(bgr(contour, 3, 2), QString("255,255,255"));

        QImage step = flatPicture(8, 5, 0, 0, 0);
        for (int y = 0; y < 5; ++y)
            for (int x = 4; x < 8; ++x)
                setBgr(step, x, y, 255, 255, 255);
        QCOMPARE(filtered(6, step, 1), step);
    }

    void pixelizeBlocksAreCutShortAtTheEdges()
    {
        QImage picture = flatPicture(515, 365, 200, 200, 200);
        setBgr(picture, 513, 363, 10, 0, 0);
        setBgr(picture, 514, 363, 20, 0, 0);
        setBgr(picture, 513, 364, 30, 0, 0);
        setBgr(picture, 514, 364, 41, 0, 0);
        const QImage blocks = filtered(15, picture, 3);
        QCOMPARE(bgr(blocks, 514, 364), QString("25,0,0"));
        QCOMPARE(bgr(blocks, 513, 363), QString("25,0,0"));
        QCOMPARE(bgr(blocks, 512, 364), QString("200,200,200"));
        setBgr(picture, 0, 0, 9, 0, 0);
        QCOMPARE(bgr(filtered(15, picture, 3), 2, 2), QString("178,177,177"));
    }

    void aquarelPicksTheCalmestWindow()
    {
        const QImage photo = photoLikePicture(13, 10);
        const QImage result = filtered(24, photo);
        for (int y = 2; y < 8; ++y)
            for (int x = 2; x < 11; ++x)
                QCOMPARE(result.pixel(x, y) & 0xFFFFFF, QRgb(aquarelChannel(photo, x, y, 16) << 16
                                                               | aquarelChannel(photo, x, y, 8) << 8
                                                               | aquarelChannel(photo, x, y, 0)));
    }

    void defuseKeepsColoursInsideAndNeverLiftsThemFar()
    {
        QImage picture(40, 30, QImage::Format_RGB32);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                setBgr(picture, x, y, x, y, 7);
        Random::seed(3);
        const QImage moved = filtered(4, picture, 6);
        QVERIFY(moved != picture);
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 40; ++x) {
                const QRgb p = moved.pixel(x, y);
                QVERIFY(qBlue(p) < 40 && qGreen(p) < 30 && qRed(p) == 7);
                QVERIFY(qGreen(p) <= y + 3); // a colour may drift down far, never up more than 3
            }
        }
    }

    void scatteredFollowsTheMeanGrey()
    {
        const QImage grey128 = filtered(23, flatPicture(12, 6, 128, 128, 128), 15);
        const QImage grey50 = filtered(23, flatPicture(12, 6, 50, 50, 50), 15);
        QCOMPARE(blueRun(grey128, 0, 0, 5), QString("255,0,255,0,255,0"));
        QCOMPARE(blueRun(grey50, 0, 0, 5), QString("255,0,0,255,0,0"));

        QImage split = flatPicture(10, 6, 0, 0, 0);
        for (int y = 0; y < 6; ++y)
            for (int x = 5; x < 10; ++x)
                setBgr(split, x, y, 255, 255, 255);
        QCOMPARE(filtered(23, split, 15), split);

        const QImage photo = filtered(23, photoLikePicture(31, 17), 15);
        for (int y = 0; y < 17; ++y) {
            for (int x = 0; x < 31; ++x) {
                const QRgb p = photo.pixel(x, y);
                QVERIFY((qBlue(p) == 0 || qBlue(p) == 255) && qGreen(p) == qBlue(p) && qRed(p) == qBlue(p));
            }
        }
    }
};

PRENTVEL_TEST(NeighbourhoodFiltersTest)
#include "NeighbourhoodFiltersTest.moc"
