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

// The calmest-window rule written out plainly, window by window, for one channel.
int calmestWindowMean(const QImage& picture, int x, int y, int shift)
{
    const auto value = [&](int i, int j) { return int((picture.pixel(i, j) >> shift) & 0xFF); };
    int best = 99999, result = 0;
    for (const QPoint corner : {QPoint(-2, -2), QPoint(0, -2), QPoint(-2, 0), QPoint(0, 0)}) {
        int sum = 0, spread = 0;
        for (int i = 0; i < 9; ++i)
            sum += value(x + corner.x() + i % 3, y + corner.y() + i / 3);
        for (int i = 0; i < 9; ++i)
            spread += std::abs(value(x + corner.x() + i % 3, y + corner.y() + i / 3) - sum / 9);
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

    void flatAreasAndSimpleShapes()
    {
        const QImage flat = flatPicture(11, 8, 37, 90, 200);
        for (const int filter : {1, 3, 6, 24, 15})
            QCOMPARE(filtered(filter, flat, filter == 1 ? 10 : filter == 15 ? 3 : 1), flat);
        QCOMPARE(bgr(filtered(7, flat, 0xFFFFFF), 5, 4), QString("255,255,255"));
        QCOMPARE(bgr(filtered(13, flatPicture(5, 5, 0, 0, 0)), 2, 2), QString("50,50,50"));
        QCOMPARE(bgr(filtered(13, flatPicture(5, 5, 255, 255, 255)), 3, 1), QString("177,177,177"));

        QImage dot = flatPicture(5, 5, 255, 255, 255);
        setBgr(dot, 2, 2, 0, 0, 0);
        QCOMPARE(filtered(7, dot, 0xFFFFFF), dot);
        QImage step = flatPicture(8, 5, 255, 255, 255);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 4; ++x)
                setBgr(step, x, y, 0, 0, 0);
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
    }

    void aquarelPicksTheCalmestWindow()
    {
        const QImage photo = photoLikePicture(13, 10);
        const QImage result = filtered(24, photo);
        for (int y = 2; y < 8; ++y)
            for (int x = 2; x < 11; ++x)
                QCOMPARE(result.pixel(x, y) & 0xFFFFFF, QRgb(calmestWindowMean(photo, x, y, 16) << 16
                                                               | calmestWindowMean(photo, x, y, 8) << 8
                                                               | calmestWindowMean(photo, x, y, 0)));
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
        // In place, a colour may drift down far, but never up more than 3.
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                QVERIFY(qBlue(moved.pixel(x, y)) < 40 && qGreen(moved.pixel(x, y)) <= y + 3 && qRed(moved.pixel(x, y)) == 7);
    }

    void scatteredFollowsTheMeanGrey()
    {
        QCOMPARE(blueRun(filtered(23, flatPicture(12, 6, 128, 128, 128), 15), 0, 0, 5), QString("255,0,255,0,255,0"));
        QCOMPARE(blueRun(filtered(23, flatPicture(12, 6, 50, 50, 50), 15), 0, 0, 5), QString("255,0,0,255,0,0"));
        QImage split = flatPicture(10, 6, 255, 255, 255);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 5; ++x)
                setBgr(split, x, y, 0, 0, 0);
        QCOMPARE(filtered(23, split, 15), split);
        const QImage photo = filtered(23, photoLikePicture(31, 17), 15);
        QCOMPARE(photo.convertToFormat(QImage::Format_Mono).convertToFormat(QImage::Format_RGB32), photo);
    }
};

PRENTVEL_TEST(NeighbourhoodFiltersTest)
#include "NeighbourhoodFiltersTest.moc"
