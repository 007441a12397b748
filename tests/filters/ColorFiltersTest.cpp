#include "FilterTestPictures.h"
#include "common/TestRegistry.h"
#include "filters/ColorFilters.h"
#include "platform/Random.h"
#include "platform/Rounding.h"

#include <QSet>
#include <QTest>

class ColorFiltersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void negativeAndSwaps()
    {
        const QImage photo = photoLikePicture(17, 9);
        QCOMPARE(filtered(2, filtered(2, photo)), photo);
        QCOMPARE(filtered(16, filtered(16, photo, 4), 4), photo);
        QCOMPARE(filtered(16, filtered(16, filtered(16, photo, 1), 1), 1), photo);
        // Blue 1, green 2, red 3 under swaps 1..5; any other number keeps the colour.
        const char* expected[] = {"1,2,3", "2,3,1", "3,1,2", "2,1,3", "3,2,1", "1,3,2", "1,2,3"};
        for (int p = 0; p <= 6; ++p)
            QCOMPARE(bgr(filtered(16, flatPicture(2, 2, 1, 2, 3), p), 1, 1), QString(expected[p]));
    }

    void greyAndBrightnessLevels()
    {
        QImage picture(3, 1, QImage::Format_RGB32);
        setBgr(picture, 0, 0, 255, 255, 254);
        setBgr(picture, 1, 0, 1, 1, 0);
        setBgr(picture, 2, 0, 250, 100, 0);
        QCOMPARE(bgr(filtered(12, picture), 0, 0) + " " + bgr(filtered(12, picture), 1, 0), QString("254,254,254 0,0,0"));
        QCOMPARE(bgr(filtered(14, picture, 4), 2, 0), QString("255,104,0"));
        QCOMPARE(bgr(filtered(14, picture, -4), 0, 0), QString("245,245,244"));
        QCOMPARE(bgr(filtered(14, picture, -4), 2, 0), QString("240,96,0"));
    }

    void contrastAroundTheMeanGrey()
    {
        const QImage grey = flatPicture(4, 3, 77, 77, 77);
        QCOMPARE(filtered(17, grey, 10), grey);
        QCOMPARE(filtered(17, grey, -10), grey);
        const QImage red = flatPicture(4, 3, 0, 0, 255);
        QCOMPARE(bgr(filtered(17, red, 10), 2, 1), QString("0,2,254"));
        QCOMPARE(bgr(filtered(17, red, -10), 2, 1), QString("9,9,238"));
        int b = -20, g = 100, r = 300;
        balanceChannels(b, g, r);
        QCOMPARE(QList<int>({b, g, r}), QList<int>({17, 107, 255}));
    }

    void noiseSpreadsMidGreyOverItsRange()
    {
        Random::seed(7);
        const QImage noisy = filtered(29, flatPicture(64, 64, 128, 250, 3), 50);
        QSet<int> levels;
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                const QRgb p = noisy.pixel(x, y);
                levels << qBlue(p);
                QVERIFY(qGreen(p) >= 199 && qRed(p) <= 54); // clamped near the ends, never wrapped
            }
        }
        QCOMPARE(levels.size(), 102);
        QCOMPARE(*std::min_element(levels.begin(), levels.end()), 78);
        QCOMPARE(*std::max_element(levels.begin(), levels.end()), 179);
    }

    void fastRoundingMatchesTheProgramRule()
    {
        for (double v : {0.5, 1.5, 2.5, -2.5, -0.5, 244.8, 259.99, -8.500002, 1e15 + 0.5, 3e18})
            QCOMPARE(roundToEven(v), roundHalfEven(v));
    }
};

PRENTVEL_TEST(ColorFiltersTest)
#include "ColorFiltersTest.moc"
