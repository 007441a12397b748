// Hand-computed results that pin the filters' exact arithmetic, where a
// plausible variant (other weights, another reading order) would still pass
// the broader checks.
#include "FilterTestPictures.h"
#include "app/Main.h"
#include "common/TestRegistry.h"
#include "filters/SurfaceEffects.h"
#include "platform/Random.h"

#include <QAction>
#include <QTest>
#include <memory>
#include <vector>

namespace {

QImage greyPicture(const std::vector<std::vector<int>>& rows)
{
    QImage picture(int(rows[0].size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            setBgr(picture, x, y, rows[y][x], rows[y][x], rows[y][x]);
    return picture;
}

// The blue values of rows `fromY`..`toY`, columns `fromX`..`toX`, rows separated by " / ".
QString blueBlock(const QImage& picture, int fromX, int toX, int fromY, int toY)
{
    QStringList rows;
    for (int y = fromY; y <= toY; ++y) {
        QStringList values;
        for (int x = fromX; x <= toX; ++x)
            values << QString::number(qBlue(picture.pixel(x, y)));
        rows << values.join(',');
    }
    return rows.join(" / ");
}

QString blackAndWhite(const QImage& picture)
{
    QStringList rows;
    for (int y = 0; y < picture.height(); ++y) {
        QString row;
        for (int x = 0; x < picture.width(); ++x)
            row += qBlue(picture.pixel(x, y)) ? '1' : '0';
        rows << row;
    }
    return rows.join(' ');
}

}

class PinnedFiltersTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Main> main_;

private Q_SLOTS:
    void initTestCase() { main_ = std::make_unique<Main>(); }
    void cleanupTestCase() { main_.reset(); }

    void everyMenuEntryRunsItsFilter_data()
    {
        QTest::addColumn<int>("menu");    // 0 EditConvert, 1 EditContrastConvert, 2 EditSwap
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("parameter");
        const int entries[][4] = {
            {0, 0, 12, 0}, {0, 1, 2, 0}, {0, 2, 14, 4}, {0, 3, 14, -4}, {0, 4, 1, 10}, {0, 6, 15, 3},
            {0, 7, 13, 0}, {0, 9, 23, 15}, {0, 10, 3, 0}, {0, 11, 24, 0}, {0, 12, 4, 6}, {0, 13, 29, 50},
            {0, 14, 6, 1}, {0, 15, 7, 0xFFFFFF}, {0, 17, 12, 0}, {1, 1, 17, 10}, {1, 2, 17, -10},
            {2, 1, 16, 1}, {2, 2, 16, 2}, {2, 3, 16, 3}, {2, 4, 16, 4}, {2, 5, 16, 5},
        };
        const char* menus[] = {"EditConvert", "EditContrastConvert", "EditSwap"};
        for (const auto& e : entries)
            QTest::addRow("%s_%d", menus[e[0]], e[1]) << e[0] << e[1] << e[2] << e[3];
    }
    void everyMenuEntryRunsItsFilter()
    {
        QFETCH(int, menu);
        QFETCH(int, index);
        QFETCH(int, number);
        QFETCH(int, parameter);
        Main& main = *main_;
        const QImage photo = photoLikePicture(515, 365);
        main.card.assignBasePicture(photo);
        QAction* action = menu == 0 ? main.EditConvert[index] : menu == 1 ? main.EditContrastConvert[index] : main.EditSwap[index];
        Random::seed(7);
        action->trigger();
        Random::seed(7);
        QImage expected = filtered(number, main.card.basePicture(), parameter);
        if (menu == 0 && index == 17)
            SepiaTone(expected, nullptr);
        QVERIFY(main.card.image() == expected);
    }

    void sharpenAndEdgeReadTheirOwnResults()
    {
        // Inner pixels, computed by hand row by row: the neighbours above and
        // to the left already hold their new values.
        const QImage rough = greyPicture({{10, 200, 30, 90, 60}, {80, 40, 250, 20, 120}, {0, 170, 60, 140, 90},
                                          {220, 50, 100, 30, 180}});
        QCOMPARE(blueBlock(filtered(1, rough, 10), 0, 4, 1, 2), QString("80,0,255,0,120 / 0,236,23,175,90"));
        const QImage soft = greyPicture({{100, 104, 97, 110, 101}, {95, 120, 90, 105, 99}, {108, 92, 115, 96, 103},
                                         {100, 99, 104, 101, 98}});
        QCOMPARE(blueBlock(filtered(6, soft, 1), 1, 3, 1, 2), QString("199,0,164 / 50,168,61"));
        QCOMPARE(bgr(filtered(6, soft, 1), 0, 0), QString("100,100,100"));
    }

    void contourAddsEachChannelsOwnComponent()
    {
        const QImage flat = flatPicture(5, 4, 90, 120, 150);
        const QImage outlined = filtered(7, flat, int(RGB(10, 60, 200)));
        QCOMPARE(bgr(outlined, 2, 1), QString("200,60,10"));
        QCOMPARE(bgr(outlined, 0, 0), QString("90,120,150"));
    }

    void scatteredDampsAndSharesTheError()
    {
        std::vector<std::vector<int>> rows(5, std::vector<int>(8));
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 8; ++x)
                rows[y][x] = (x * 37 + y * 53 + (x * y) % 7 * 11) % 256;
        QCOMPARE(blackAndWhite(filtered(23, greyPicture(rows), 15)),
                 QString("00011110 00111000 11100010 11000011 10011111"));
    }

    void aquarelPrefersTheEarlierWindowOnATie()
    {
        const QImage picture = greyPicture({{0, 0, 18, 0, 9, 27, 0}, {9, 0, 27, 27, 9, 27, 18},
                                            {27, 27, 9, 27, 18, 27, 18}, {27, 18, 9, 18, 27, 9, 0},
                                            {0, 18, 18, 0, 9, 0, 27}, {9, 27, 0, 18, 18, 27, 0},
                                            {18, 9, 27, 9, 0, 0, 0}});
        QCOMPARE(blueBlock(filtered(24, picture), 2, 4, 2, 4), QString("17,16,17 / 19,21,19 / 17,16,15"));
    }

    void defuseMovesDownAColumnInPlace()
    {
        // One pixel wide: every sideways step leaves the picture and is
        // cancelled, the step along the column still happens.
        QImage column(1, 60, QImage::Format_RGB32);
        for (int y = 0; y < 60; ++y)
            setBgr(column, 0, y, y, 0, 0);
        Random::seed(11);
        const QImage moved = filtered(4, column, 6);
        int changed = 0, carriedFar = 0;
        for (int y = 0; y < 60; ++y) {
            const int from = qBlue(moved.pixel(0, y));
            changed += from != y;
            carriedFar += y - from > 3;    // only a value already moved can come from further up
            QVERIFY(from - y <= 3);
        }
        QVERIFY2(changed > 30, qPrintable(QString::number(changed)));
        QVERIFY2(carriedFar > 0, qPrintable(QString::number(carriedFar)));
    }
};

PRENTVEL_TEST(PinnedFiltersTest)
#include "PinnedFiltersTest.moc"
