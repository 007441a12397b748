#include "FilterTestPictures.h"
#include "app/Main.h"
#include "common/TestRegistry.h"
#include "filters/SurfaceEffects.h"
#include "platform/CardSurface.h"
#include "platform/EventPump.h"
#include "platform/PictureSurface.h"
#include "platform/Random.h"

#include <QAction>
#include <QPainter>
#include <QProgressBar>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {
constexpr int Scale = CardSurface::PrintScale;

// One filter or effect, on a card and (for comparison) on a bare screen picture.
struct FilterCase {
    const char* name;
    std::function<void(CardSurface&)> onCard;
    std::function<void(QImage&)> onPicture;
    // Neighbourhood filters change the whole card: they may differ by this much
    // where the screen changed. Zero: no more than 3 over the whole card.
    int changedAreaLimit;
};

QImage backPic;

std::vector<FilterCase> allOperations()
{
    struct Numbered {
        const char* name;
        int number;
        int parameter;
        int limit;
    };
    const Numbered numbered[] = {
        {"Sharpen", 1, 10, 8},  {"Negative", 2, 0, 0},    {"Blur", 3, 0, 8},       {"Defuse", 4, 6, 8},
        {"Edge", 6, 1, 25},     {"Contour", 7, 0xFFFFFF, 25}, {"Grayscale", 12, 0, 0}, {"Relief", 13, 0, 8},
        {"Light", 14, 4, 0},    {"Pixelize", 15, 3, 8},   {"Swap", 16, 1, 0},      {"Contrast", 17, 10, 0},
        {"Scattered", 23, 15, 0}, {"Aquarel", 24, 0, 8},  {"AddNoise", 29, 50, 0},
    };
    std::vector<FilterCase> operations;
    for (const Numbered& n : numbered) {
        operations.push_back({n.name,
                              [n](CardSurface& card) {
                                  int progress = 0;
                                  RunFilter(n.number, card, n.parameter, progress);
                              },
                              [n](QImage& picture) {
                                  int progress = 0;
                                  RunFilter(n.number, picture, n.parameter, progress);
                              },
                              n.limit});
    }
    operations.push_back({"FlipHorizontal", [](CardSurface& c) { FlipHorizontal(c); }, [](QImage& p) { FlipHorizontal(p); }, 0});
    operations.push_back({"FlipVertical", [](CardSurface& c) { FlipVertical(c); }, [](QImage& p) { FlipVertical(p); }, 0});
    operations.push_back({"MirrorRight", [](CardSurface& c) { MirrorRight(c, nullptr); }, [](QImage& p) { MirrorRight(p, nullptr); }, 0});
    operations.push_back({"MirrorDown", [](CardSurface& c) { MirrorDown(c, nullptr); }, [](QImage& p) { MirrorDown(p, nullptr); }, 0});
    operations.push_back({"TiltCard", [](CardSurface& c) { TiltCard(c, backPic, nullptr); }, [](QImage& p) { TiltCard(p, backPic, nullptr); }, 0});
    operations.push_back({"Transparent", [](CardSurface& c) { Transparent(c, nullptr, 255, 255, 0); },
                          [](QImage& p) { Transparent(p, nullptr, 255, 255, 0); }, 0});
    // "Sepia": grey first, then the toning.
    operations.push_back({"Sepia",
                          [](CardSurface& c) {
                              int progress = 0;
                              RunFilter(12, c, 0, progress);
                              SepiaTone(c, nullptr);
                          },
                          [](QImage& p) {
                              int progress = 0;
                              RunFilter(12, p, 0, progress);
                              SepiaTone(p, nullptr);
                          },
                          0});
    return operations;
}

// A print-size photo with fine detail: soft light, thin lines, small text and
// grain, drawn at twice the size and scaled down smoothly, as a loaded photo is.
QImage makeDetailedPhoto()
{
    const int width = 2 * CardSurface::CardWidth * Scale, height = 2 * CardSurface::CardHeight * Scale;
    QImage photo(width, height, QImage::Format_RGB32);
    unsigned state = 77;
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < width; ++x) {
            state = state * 1664525u + 1013904223u;
            const int grain = int(state >> 29) - 4;
            const double wave = 70 * std::sin(x / 180.0) * std::cos(y / 120.0);
            row[x] = qRgb(qBound(0, int(130 + wave) + grain, 255), qBound(0, int(110 - wave / 2 + y / 40) + grain, 255),
                          qBound(0, 60 + x / 40 + grain, 255));
        }
    }
    // Rigging in the top-left quarter, railings below it, a sign with small text on the right.
    QPainter painter(&photo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 2));
    for (int x = 80; x < 1400; x += 48)
        painter.drawLine(x, 200, x + 500, 1300);
    painter.setPen(QPen(Qt::white, 3));
    for (int y = 1700; y < 2300; y += 36)
        painter.drawLine(200, y, 2000, y + 80);
    painter.fillRect(2300, 300, 1600, 1000, QColor(240, 230, 200));
    painter.setPen(Qt::darkBlue);
    painter.setFont(QFont(QStringLiteral("Sans"), 14));
    for (int y = 360; y < 1300; y += 28)
        painter.drawText(2340, y, QStringLiteral("Groeten uit Zandvoort aan zee, 1234567890"));
    painter.end();
    return photo.scaled(width / 2, height / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

const QImage& detailedPhoto()
{
    static const QImage photo = makeDetailedPhoto();
    return photo;
}

// Each 4 x 4 block of the print copy averaged to one screen pixel.
QImage blockAverage(const QImage& print)
{
    QImage reduced(print.width() / Scale, print.height() / Scale, QImage::Format_RGB32);
    for (int y = 0; y < reduced.height(); ++y) {
        for (int x = 0; x < reduced.width(); ++x) {
            int sum[3] = {0, 0, 0};
            for (int i = 0; i < Scale * Scale; ++i) {
                const QRgb p = reinterpret_cast<const QRgb*>(print.constScanLine(y * Scale + i / Scale))[x * Scale + i % Scale];
                sum[0] += qRed(p), sum[1] += qGreen(p), sum[2] += qBlue(p);
            }
            const int half = Scale * Scale / 2, n = Scale * Scale;
            reduced.setPixel(x, y, qRgb((sum[0] + half) / n, (sum[1] + half) / n, (sum[2] + half) / n));
        }
    }
    return reduced;
}

// The largest of the three channels' average absolute differences, over the pixels `where` accepts.
double channelDifference(const QImage& a, const QImage& b, const std::function<bool(int, int)>& where)
{
    double sum[3] = {0, 0, 0};
    long count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (!where(x, y))
                continue;
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum[0] += std::abs(qRed(p) - qRed(q));
            sum[1] += std::abs(qGreen(p) - qGreen(q));
            sum[2] += std::abs(qBlue(p) - qBlue(q));
            ++count;
        }
    }
    return count ? std::max({sum[0], sum[1], sum[2]}) / double(count) : 0;
}

QImage opaque(const QImage& picture)
{
    return picture.convertToFormat(QImage::Format_RGB32);
}
}

class PrintCopyFiltersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // On a print copy that is the screen enlarged, every filter and effect but
    // the smoothly resampled tilt gives exactly the screen's result enlarged,
    // and the screen copy gets exactly what the screen-only filters give.
    void enlargedScreenStaysEnlarged()
    {
        const QImage photo = photoLikePicture(CardSurface::CardWidth, CardSurface::CardHeight);
        for (const FilterCase& operation : allOperations()) {
            CardSurface card(CardSurface::CardWidth, CardSurface::CardHeight);
            card.assignBasePicture(photo);
            QImage expected = card.image();
            Random::seed(5);
            operation.onPicture(expected);
            Random::seed(5);
            operation.onCard(card);
            QVERIFY2(card.image() == expected, operation.name);
            QCOMPARE(card.printImage().size(), card.image().size() * Scale);
            if (QByteArray(operation.name) != "TiltCard")
                QVERIFY2(opaque(card.printImage()) == opaque(card.image().scaled(card.image().size() * Scale)), operation.name);
        }
    }

    // On a detailed photo the print copy, reduced block by block, stays close to the screen.
    void detailedPhotoAgreesWithTheScreen()
    {
        const QImage& print = detailedPhoto();
        const QImage screen = blockAverage(print);
        QByteArrayList failures;
        for (const FilterCase& operation : allOperations()) {
            CardSurface card(CardSurface::CardWidth, CardSurface::CardHeight);
            card.setImages(screen, print);
            Random::seed(9);
            operation.onCard(card);
            const QImage reduced = blockAverage(card.printImage());
            const QImage& result = card.image();
            const double whole = channelDifference(reduced, result, [](int, int) { return true; });
            const double changed = channelDifference(reduced, result, [&](int x, int y) { return result.pixel(x, y) != screen.pixel(x, y); });
            const QByteArray message = QByteArray(operation.name) + ": " + QByteArray::number(whole, 'f', 2) + " over the card, "
                + QByteArray::number(changed, 'f', 2) + " where it changed";
            const bool close = operation.changedAreaLimit ? changed <= operation.changedAreaLimit : whole <= 3;
            if (!close)
                failures << message;
        }
        QVERIFY2(failures.isEmpty(), failures.join("; ").constData());
    }

    // One run over both copies: progress rises once to 100 with the screen in
    // its first few percent, events run after every row, and neither copy
    // changes until both are written back.
    void oneRunOverBothCopies()
    {
        Main main;
        main.card.setImages(blockAverage(detailedPhoto()), detailedPhoto());
        const QImage screenBefore = main.card.image(), printBefore = main.card.printImage();
        QList<int> reports;
        bool untouchedMeanwhile = true;
        EventPump::setHook([&] {
            reports << main.state.progressPercent;
            untouchedMeanwhile = untouchedMeanwhile && main.card.image() == screenBefore && main.card.printImage() == printBefore;
            int progress = 0;
            RunFilter(12, main.card, 0, progress); // refused: a filter is running
        });
        main.EditConvert[1]->trigger(); // Negative
        EventPump::setHook({});
        QVERIFY(untouchedMeanwhile);
        QVERIFY(reports.size() >= CardSurface::CardHeight * (1 + Scale));
        QVERIFY(std::is_sorted(reports.begin(), reports.end()));
        QVERIFY(reports.first() == 0 && reports.at(CardSurface::CardHeight) == 5 && reports.last() == 100);
        QImage negative = printBefore;
        negative.invertPixels();
        QCOMPARE(main.card.printImage(), negative);
        // The run is one step of the history, over both copies.
        main.history.undo();
        QVERIFY(main.card.image() == screenBefore && main.card.printImage() == printBefore);
        main.history.redo();
        QCOMPARE(main.card.printImage(), negative);

        // An effect moves the bar once over both copies.
        QList<int> bar;
        connect(main.ProgBar, &QProgressBar::valueChanged, this, [&](int value) { bar << value; });
        main.EditFlipConvert[2]->trigger(); // Flip Rechts
        QVERIFY(bar.size() > 50 && bar.contains(5) && bar.at(bar.size() - 2) == 100 && bar.last() == 0);
        QVERIFY(std::is_sorted(bar.begin(), bar.end() - 1));
        QCOMPARE(main.card.printImage().copy(0, 0, 1032, 1460), negative.copy(0, 0, 1032, 1460));
        QCOMPARE(main.card.printImage().copy(2056, 0, 1, 1460), negative.copy(7, 0, 1, 1460));

        // A card without a print copy is filtered as a bare picture.
        PictureSurface plain;
        plain.assignBasePicture(screenBefore);
        int progress = 0;
        RunFilter(2, plain, 0, progress);
        QCOMPARE(plain.image(), filtered(2, screenBefore));
        QVERIFY(!plain.hasPrintCopy());
    }
};

PRENTVEL_TEST(PrintCopyFiltersTest)
#include "PrintCopyFiltersTest.moc"
