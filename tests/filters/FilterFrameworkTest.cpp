#include "FilterTestPictures.h"
#include "common/TestRegistry.h"
#include "platform/BusyGuard.h"
#include "platform/EventPump.h"
#include "platform/Random.h"

#include <QTest>

namespace {
const int allFilters[][2] = {{1, 10}, {2, 0}, {3, 0},  {4, 6},   {6, 1},   {7, 0xFFFFFF}, {12, 0}, {13, 0},
                             {14, 4}, {15, 3}, {16, 1}, {17, 10}, {23, 15}, {24, 0},  {29, 50}};

// Runs `during` each time a filter lets window events run.
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

// Width of the untouched frame each filter leaves around the picture.
int untouchedBorder(int number)
{
    return number == 24 ? 2 : QList<int>{1, 3, 6, 7, 13}.contains(number) ? 1 : 0;
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
            QVERIFY(result != photo);
            QCOMPARE(result.format(), QImage::Format_ARGB32);
            const int border = untouchedBorder(filter[0]);
            const QRect inside = photo.rect().adjusted(border, border, -border, -border);
            for (int y = 0; y < photo.height(); ++y) {
                for (int x = 0; x < photo.width(); ++x) {
                    const QRgb before = photo.pixel(x, y), after = result.pixel(x, y);
                    QCOMPARE(qAlpha(after), qAlpha(before));
                    if (!inside.contains(x, y))
                        QCOMPARE(after, before);
                }
            }
        }
    }

    void oddInputLeavesPicturesIntact()
    {
        for (const QSize size : {QSize(1, 1), QSize(2, 3), QSize(4, 2), QSize(5, 5)})
            for (const auto& filter : allFilters)
                QCOMPARE(filtered(filter[0], photoLikePicture(size.width(), size.height()), filter[1]).size(), size);
        const QImage photo = photoLikePicture(9, 7);
        QCOMPARE(filtered(5, photo), photo);     // no such filter
        QCOMPARE(filtered(23, photo, 0), photo); // these would divide by zero
        QCOMPARE(filtered(15, photo, 0), photo);
        QVERIFY(filtered(2, QImage()).isNull());
        const QImage indexed = photo.convertToFormat(QImage::Format_Indexed8);
        QCOMPARE(filtered(2, filtered(2, indexed)), indexed.convertToFormat(QImage::Format_RGB32));
    }

    void progressFollowsTheRows()
    {
        QCOMPARE(progressReports(2, 0, 4), QList<int>({25, 50, 75, 100, 100}));
        QCOMPARE(progressReports(1, 10, 4), QList<int>({50, 75, 100}));
        QCOMPARE(progressReports(17, 10, 4), QList<int>({5, 28, 52, 76, 100, 100}));
        QCOMPARE(progressReports(23, 15, 4), QList<int>({3, 10, 32, 55, 77, 100, 100}));
    }

    void runsStartedDuringARunChangeNothing()
    {
        QImage picture = photoLikePicture(8, 6);
        const QImage expected = filtered(12, picture);
        bool sawBusy = false;
        {
            EventHook hook([&] {
                sawBusy = BusyGuard::working();
                int progress = 0;
                RunFilter(2, picture, 0, progress);
            });
            int progress = 0;
            RunFilter(12, picture, 0, progress);
        }
        QVERIFY(sawBusy && !BusyGuard::working());
        QCOMPARE(picture, expected);

        // A picture replaced by one of another size meanwhile is kept as it is.
        const QImage replacement = photoLikePicture(3, 3);
        EventHook hook([&] { picture = replacement; });
        int progress = 0;
        RunFilter(2, picture, 0, progress);
        QCOMPARE(picture, replacement);
    }
};

PRENTVEL_TEST(FilterFrameworkTest)
#include "FilterFrameworkTest.moc"
