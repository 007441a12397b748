#include "FilterTestPictures.h"
#include "common/TestRegistry.h"
#include "platform/EventPump.h"
#include "platform/Random.h"

#include <QTest>

namespace {
const int allFilters[][2] = {{1, 10}, {2, 0}, {3, 0},  {4, 6},   {6, 1},   {7, 0xFFFFFF}, {12, 0}, {13, 0},
                             {14, 4}, {15, 3}, {16, 1}, {17, 10}, {23, 15}, {24, 0},  {29, 50}};

// Runs `during` from the event hook each time the filter lets events run.
struct EventHook {
    explicit EventHook(std::function<void()> during) { EventPump::setHook(std::move(during)); }
    ~EventHook() { EventPump::setHook({}); }
};

QList<int> progressReports(int number, int parameter, int height)
{
    QImage picture = photoLikePicture(6, height);
    int progress = -1;
    QList<int> reports;
    EventHook hook([&] { reports << progress; });
    RunFilter(number, picture, parameter, progress);
    return reports;
}
}

class FilterFrameworkTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fourthByteAndBordersSurviveEveryFilter()
    {
        const QImage photo = photoLikePicture(23, 14, QImage::Format_ARGB32);
        for (const auto& filter : allFilters) {
            Random::seed(1);
            const QImage result = filtered(filter[0], photo, filter[1]);
            QCOMPARE(result.format(), QImage::Format_ARGB32);
            for (int y = 0; y < photo.height(); ++y)
                for (int x = 0; x < photo.width(); ++x)
                    QCOMPARE(qAlpha(result.pixel(x, y)), qAlpha(photo.pixel(x, y)));
            const int number = filter[0];
            const int border = number == 24 ? 2 : (QList<int>{1, 3, 6, 7, 13}.contains(number) ? 1 : 0);
            if (border == 0)
                continue;
            QVERIFY(sameRows(result, photo, 0, border - 1));
            QVERIFY(sameRows(result, photo, photo.height() - border, photo.height() - 1));
            for (int y = 0; y < photo.height(); ++y)
                for (int x : {0, border - 1, photo.width() - border, photo.width() - 1})
                    QCOMPARE(result.pixel(x, y), photo.pixel(x, y));
            QVERIFY(result != photo);
        }
    }

    void tinyAndOddInputLeavePicturesIntact()
    {
        for (const QSize size : {QSize(1, 1), QSize(2, 3), QSize(4, 2), QSize(5, 5)}) {
            for (const auto& filter : allFilters) {
                const QImage result = filtered(filter[0], photoLikePicture(size.width(), size.height()), filter[1]);
                QCOMPARE(result.size(), size);
            }
        }
        const QImage photo = photoLikePicture(9, 7);
        QCOMPARE(filtered(5, photo), photo);          // no such filter
        QCOMPARE(filtered(23, photo, 0), photo);      // would divide by zero
        QCOMPARE(filtered(15, photo, 0), photo);
        QCOMPARE(filtered(1, photo, -8), photo);
        QCOMPARE(filtered(6, photo, -1), photo);
        QVERIFY(filtered(2, QImage()).isNull());
        const QImage indexed = photo.convertToFormat(QImage::Format_Indexed8);
        QCOMPARE(filtered(2, filtered(2, indexed)), indexed.convertToFormat(QImage::Format_RGB32));
    }

    void progressFollowsTheRows()
    {
        QCOMPARE(progressReports(2, 0, 4), QList<int>({25, 50, 75, 100, 100}));
        QCOMPARE(progressReports(1, 10, 4), QList<int>({50, 75, 100}));
        QCOMPARE(progressReports(24, 0, 6), QList<int>({50, 66, 100}));
        QCOMPARE(progressReports(17, 10, 4), QList<int>({5, 28, 52, 76, 100, 100}));
        QCOMPARE(progressReports(23, 15, 4), QList<int>({3, 10, 32, 55, 77, 100, 100}));
    }

    void secondRunDuringARunChangesNothing()
    {
        QImage picture = photoLikePicture(8, 6);
        const QImage expected = filtered(12, picture);
        bool sawBusy = false;
        {
            EventHook hook([&] {
                sawBusy = filterIsBusy();
                int progress = 0;
                RunFilter(2, picture, 0, progress);
            });
            int progress = 0;
            RunFilter(12, picture, 0, progress);
        }
        QVERIFY(sawBusy);
        QVERIFY(!filterIsBusy());
        QCOMPARE(picture, expected);
    }

    void pictureReplacedDuringARunIsKept()
    {
        QImage picture = photoLikePicture(8, 6);
        const QImage replacement = photoLikePicture(3, 3);
        {
            EventHook hook([&] { picture = replacement; });
            int progress = 0;
            RunFilter(2, picture, 0, progress);
        }
        QCOMPARE(picture, replacement);
    }
};

PRENTVEL_TEST(FilterFrameworkTest)
#include "FilterFrameworkTest.moc"
