#include "app/Main.h"
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"
#include "EditorTestSupport.h"
#include "editor/CardPhotos.h"
#include "editor/PhotoAdjusting.h"
#include "editor/PhotoFrames.h"
#include "editor/PhotoOperations.h"
#include "editor/PhotoSource.h"
#include "platform/PictureBox.h"

#include <QAction>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

namespace {

// Smooth colour waves: every shift of the picture shows.
QImage waves(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(int(128 + 100 * std::sin(x / 9.0)), int(128 + 100 * std::sin(y / 7.0)),
                                      int(128 + 60 * std::sin((x + y) / 13.0))));
    return image;
}

// Mean difference per channel of `after` against `before` moved by `shift`,
// over `area` of `after` (where both have pixels).
double shiftedDifference(const QImage& before, const QImage& after, QPoint shift, const QRect& area)
{
    double sum = 0;
    qint64 count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb a = after.pixel(x, y), b = before.pixel(x - shift.x(), y - shift.y());
            sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
            count += 3;
        }
    return sum / double(count);
}

void drag(Main& main, QPoint from, QPoint to)
{
    QTest::mousePress(main.Voorkant, Qt::LeftButton, {}, from);
    QTest::mouseMove(main.Voorkant, (from + to) / 2);
    QTest::mouseMove(main.Voorkant, to);
    QTest::mouseRelease(main.Voorkant, Qt::LeftButton, {}, to);
}

void click(Main& main, QPoint at)
{
    QTest::mouseClick(main.Voorkant, Qt::LeftButton, {}, at);
}

// The photos of the current layout that fill their frames, in the order of painting.
std::vector<int> placedPhotos(const Main& main)
{
    return CardPhotos::placedIn(main.state.document, main.state.currentLayout);
}

const PhotoInFrame& photoIn(const Main& main, int index)
{
    return *CardPhotos::photoAt(main.state.document, placedPhotos(main).at(std::size_t(index)));
}

bool adjustable(const Main& main, int index)
{
    return CardPhotos::adjustable(main.state.document, placedPhotos(main).at(std::size_t(index)));
}

}

class PhotoAdjustingTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    ScriptedDialogs* dialogs = nullptr;

    QString wavesFile(int width, int height)
    {
        const QString path = dir.filePath(QStringLiteral("golven%1x%2.png").arg(width).arg(height));
        waves(width, height).save(path);
        return path;
    }
    void open(Main& main, const QString& path)
    {
        dialogs->files << path;
        main.FileOpen->trigger();
    }

private Q_SLOTS:
    void init() { dialogs = new ScriptedDialogs; }
    void cleanup() { delete dialogs; }

    void theLayoutsFramesAndWhichOneAClickPicks()
    {
        QCOMPARE(layoutFrames(8), (QVector<QRect>{{0, 0, 258, 182}, {259, 0, 258, 182}, {0, 183, 258, 182}, {259, 183, 258, 182},
                                                  {129, 91, 258, 182}}));
        QCOMPARE(layoutFrames(9).size(), 9);
        QCOMPARE(layoutFrames(9).last(), QRect(346, 246, 172, 122));
        QCOMPARE(layoutFrames(2), QVector<QRect>{QRect(50, 50, 300, 220)});
        QVERIFY(layoutFrames(18).isEmpty());
        // Layout 6: three empty frames over (180, 130) and (330, 230): the later frame wins.
        const QVector<QRect> six = layoutFrames(6);
        QCOMPARE(pickFrame(six, {-1, -1, -1}, {180, 130}), 1);
        QCOMPARE(pickFrame(six, {-1, -1, -1}, {330, 230}), 2);
        QCOMPARE(pickFrame(six, {1, 0, -1}, {180, 130}), 0);   // the photo painted last
        QCOMPARE(pickFrame(six, {-1, 0, -1}, {330, 230}), 1);  // a photo beats an empty frame
        QCOMPARE(pickFrame(six, {-1, -1, -1}, {5, 300}), -1);

        Main main;
        const QString photo = wavesFile(300, 200);
        main.LayoutKaart_Click(8);
        click(main, {200, 150}); // frame 1 and the middle frame: the middle one
        QCOMPARE(QPointF(main.state.frameX, main.state.frameY), QPointF(129, 91));
        open(main, photo);
        click(main, {200, 150}); // now the middle frame's photo lies there
        QCOMPARE(QPointF(main.state.frameX, main.state.frameY), QPointF(129, 91));

        main.LayoutKaart_Click(5);
        const QPoint overlap(250, 170);
        click(main, overlap);
        QCOMPARE(main.state.frameX, 225.0);
        click(main, {40, 40});
        open(main, photo);
        QCOMPARE(main.state.frameX, 225.0); // moved on by the layout's rule
        click(main, overlap);
        QCOMPARE(main.state.frameX, 30.0);  // the photo in frame 1 wins over an empty frame
        // A dropped file goes into the frame it lands on, or outside every frame into the current one.
        Q_EMIT main.Voorkant->fileDroppedAt(photo, 300, 300);
        QCOMPARE(photoIn(main, 1).frame(), QRect(225, 150, 258, 182));
        click(main, overlap);
        QCOMPARE(main.state.frameX, 225.0); // the photo painted last
        Q_EMIT main.Voorkant->fileDroppedAt(photo, 5, 5);
        QCOMPARE(photoIn(main, 1).frame(), QRect(225, 150, 258, 182));
        QCOMPARE(placedPhotos(main).size(), std::size_t(2));
    }

    void aDragMovesThePhotoByItsDistanceOnTheScreenAndFourTimesOnThePrintCopy()
    {
        Main main;
        main.LayoutBijsnijden->setChecked(true);
        open(main, wavesFile(1200, 900));
        QVERIFY(main.Voorkant->wheelOverCard(10, 0, 257, 182)); // 200%, around the middle
        QCOMPARE(photoIn(main, 0).placement().zoom, 200);
        const QImage screen = main.card.image().copy(), print = main.card.printImage().copy();
        const int steps = main.history.stack().count();

        const QPoint distance(12, 7);
        QTest::mousePress(main.Voorkant, Qt::LeftButton, {}, {200, 150});
        QTest::mouseMove(main.Voorkant, QPoint(200, 150) + distance);
        // While dragging only the screen picture follows; the print copy waits for the release.
        const QRect inside(40, 40, 430, 280);
        const double preview = shiftedDifference(screen, main.card.image(), distance, inside);
        QVERIFY2(preview <= 1, qPrintable(QString::number(preview)));
        QCOMPARE(main.card.printImage(), print);
        QTest::mouseRelease(main.Voorkant, Qt::LeftButton, {}, QPoint(200, 150) + distance);

        const double onScreen = shiftedDifference(screen, main.card.image(), distance, inside);
        const double onPrint = shiftedDifference(print, main.card.printImage(), distance * 4,
                                                 QRect(inside.topLeft() * 4, inside.size() * 4));
        QVERIFY2(onScreen <= 1 && onPrint <= 1, qPrintable(QStringLiteral("%1 and %2").arg(onScreen).arg(onPrint)));
        // Moved by a wrong amount, the copies would not match.
        QVERIFY(shiftedDifference(print, main.card.printImage(), distance, QRect(inside.topLeft() * 4, inside.size() * 4)) > 5);

        // The drag is one step; undo puts both copies back.
        QCOMPARE(main.history.stack().count(), steps + 1);
        main.ToolsUndo_Click();
        QCOMPARE(main.card.image(), screen);
        QCOMPARE(main.card.printImage(), print);
    }

    void thePhotoStopsAtItsEdgesAndZoomsFromOneToFourTimes()
    {
        Main main;
        main.LayoutBijsnijden->setChecked(true);
        main.LayoutKaart_Click(3); // portrait frames: a landscape photo can move sideways only
        QImage striped = waves(800, 600);
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 40; ++x)
                striped.setPixel(x, y, qRgb(255, 0, 0)); // its left edge is red
        striped.save(dir.filePath("rand.png"));
        open(main, dir.filePath("rand.png"));
        const int steps = main.history.stack().count();
        drag(main, {100, 100}, {100, 300}); // no room up or down: nothing changes
        QCOMPARE(main.history.stack().count(), steps);
        drag(main, {100, 100}, {900, 100}); // far to the right: the left edge stops at the frame's
        QCOMPARE(pixelAt(main.card.image(), 0, 100), RGB(255, 0, 0));
        QVERIFY(pixelAt(main.card.image(), 30, 100) != RGB(255, 0, 0));
        QCOMPARE(photoIn(main, 0).placement().shownPart({800, 600}, {258, 365}).left(), 0.0);

        for (int n = 0; n < 40; ++n)
            main.Voorkant->wheelOverCard(1, 0, 10, 10);
        QCOMPARE(photoIn(main, 0).placement().zoom, 400);
        for (int n = 0; n < 40; ++n)
            main.Voorkant->wheelOverCard(-1, 0, 10, 10);
        QCOMPARE(photoIn(main, 0).placement().zoom, 100);
        // + and − zoom the photo under the pointer; outside every photo the wheel is the view's.
        Q_EMIT main.Voorkant->mouseMove(0, 0, 100, 100);
        QTest::keyClick(main.Voorkant, Qt::Key_Plus);
        QCOMPARE(photoIn(main, 0).placement().zoom, 110);
        QVERIFY(!main.Voorkant->wheelOverCard(1, 0, 400, 100));

        // Zooming keeps the point under the pointer; a double click brings back 100%, centred.
        PhotoPlacement placement;
        placement = placement.zoomedAround(10, {50, 40}, {800, 600}, {258, 365});
        const QRectF part = placement.shownPart({800, 600}, {258, 365});
        const QRectF whole = PhotoPlacement().shownPart({800, 600}, {258, 365});
        QVERIFY(std::abs(part.x() + 50.0 / 258 * part.width() - (whole.x() + 50.0 / 258 * whole.width())) < 1e-9);
        QTest::mouseDClick(main.Voorkant, Qt::LeftButton, {}, {100, 100});
        QVERIFY(photoIn(main, 0).placement() == PhotoPlacement());
    }

    void aStretchedPhotoTurnsIntoTheCoverAtItsFirstMove()
    {
        Main main;
        main.LayoutBijsnijden->setChecked(false);
        open(main, wavesFile(400, 400));
        QVERIFY(photoIn(main, 0).placement().stretched);
        drag(main, {100, 100}, {100, 110});
        const PhotoPlacement now = photoIn(main, 0).placement();
        QVERIFY(!now.stretched);
        QCOMPARE(now.shownPart({400, 400}, {515, 365}).size(), QSizeF(400, 400 * 365.0 / 515));
    }

    void photosPaintedLaterOverTheMovedOneAreDrawnAgainOnTop()
    {
        Main main;
        main.LayoutBijsnijden->setChecked(true);
        main.LayoutKaart_Click(5);
        open(main, wavesFile(600, 400));
        dialogs->files << writePicture(dir.filePath("blauw.bmp"), 300, 200, Qt::blue);
        main.FileOpen->trigger();
        const QImage before = main.card.image().copy();
        main.Voorkant->wheelOverCard(5, 0, 100, 100);
        drag(main, {100, 100}, {60, 80});
        QVERIFY(main.card.image() != before);
        // The blue photo still covers its whole frame on both copies, the first photo only beside it.
        QCOMPARE(inkBounds(main.card.image(), RGB(0, 0, 255)), QRect(225, 150, 258, 182));
        const QImage print = main.card.printImage();
        for (QPoint p : {QPoint(226, 151), QPoint(287, 211), QPoint(400, 300)})
            QCOMPARE(pixelAt(print, p.x() * 4 + 1, p.y() * 4 + 1), RGB(0, 0, 255));
        QVERIFY(pixelAt(print, 223 * 4, 151 * 4) != RGB(0, 0, 255));
    }

    void undoAndRedoBringBackPlacementsAndAWheelSeriesIsOneStep()
    {
        Main main;
        qint64 now = 0;
        main.history.setClock([&now] { return now; });
        main.LayoutBijsnijden->setChecked(true);
        open(main, wavesFile(900, 600));
        const QImage placed = main.card.printImage().copy();
        for (qint64 at : {0, 400, 800, 1700}) { // pauses under a second
            now = at;
            main.Voorkant->wheelOverCard(1, 0, 250, 180);
        }
        now = 2800;
        main.Voorkant->wheelOverCard(1, 0, 250, 180);
        QCOMPARE(main.history.stack().count(), 3); // the photo, a series of four, one step
        main.ToolsUndo_Click();
        QCOMPARE(photoIn(main, 0).placement().zoom, 140);
        main.ToolsUndo_Click();
        QCOMPARE(photoIn(main, 0).placement().zoom, 100);
        QCOMPARE(main.card.printImage(), placed);
        main.ToolsRedo_Click();
        QCOMPARE(photoIn(main, 0).placement().zoom, 140);
        // After undo and redo the photo can still be moved.
        const QImage zoomed = main.card.image().copy();
        drag(main, {250, 180}, {240, 170});
        QVERIFY(main.card.image() != zoomed);
        QVERIFY(adjustable(main, 0));
    }

    void theOutlinesShowOverTheCardButNeverInIt()
    {
        Main main;
        main.LayoutKaart_Click(7);
        // The view shows more than the card's pixels.
        const auto outlined = [&main] {
            const QImage view = main.Voorkant->grab().toImage().convertToFormat(QImage::Format_RGB32);
            return view.copy(main.card.image().rect()) != main.card.image().convertToFormat(QImage::Format_RGB32);
        };
        QVERIFY(outlined());
        QCOMPARE(inkBounds(main.card.image()), QRect());
        QCOMPARE(inkBounds(main.card.printImage()), QRect());
        dialogs->files << dir.filePath("kaart.bmp");
        main.FileSaveAs[1]->trigger();
        QCOMPARE(inkBounds(QImage(dir.filePath("kaart.bmp"))), QRect());

        // They stay with other changes; a flip keeps the photo from being adjusted, and says so.
        open(main, wavesFile(300, 200));
        QVERIFY(adjustable(main, 0));
        main.EditFlipConvert[0]->trigger();
        QVERIFY(outlined());
        QVERIFY(!adjustable(main, 0));
        const QImage flipped = main.card.image().copy();
        QVERIFY(!main.Voorkant->wheelOverCard(1, 0, 100, 100));
        QCOMPARE(main.InfoLabel->text(), QString::fromUtf8(PhotoFixedMessage));
        drag(main, {100, 100}, {90, 90});
        QCOMPARE(main.card.image(), flipped);
        main.ToolsUndo_Click();
        QVERIFY(outlined() && adjustable(main, 0));
        main.LayoutKaart_Click(Layout::FreeDrawing);
        QVERIFY(!outlined());
    }

    void theCaptionNamesThePhotoOfTheStateUndoBringsBack()
    {
        Main main;
        main.LayoutKaart_Click(3);
        const QString first = writePicture(dir.filePath("een.bmp"), 40, 30, Qt::red);
        const QString second = writePicture(dir.filePath("twee.bmp"), 40, 30, Qt::green);
        open(main, first);
        open(main, second);
        QVERIFY(main.NaamEnGrootte->text().startsWith("twee.bmp / 40 x 30 pixels"));
        main.ToolsUndo_Click();
        QVERIFY(main.NaamEnGrootte->text().startsWith("een.bmp / 40 x 30 pixels"));
        main.ToolsUndo_Click();
        QCOMPARE(main.NaamEnGrootte->text(), QStringLiteral("*.*"));
        main.ToolsRedo_Click();
        QVERIFY(main.NaamEnGrootte->text().startsWith("een.bmp"));
        // On the address side a load names the photo but makes no step.
        main.LayoutKaart_Click(Layout::AddressSide);
        const int steps = main.history.stack().count();
        open(main, second);
        QVERIFY(main.NaamEnGrootte->text().startsWith("twee.bmp"));
        QCOMPARE(main.history.stack().count(), steps);
    }

    // Trimming the history never lets a photo go: undone to, it is still adjustable.
    void photosStayAdjustableWhenTheHistoryIsTrimmed()
    {
        Main main;
        main.LayoutBijsnijden->setChecked(true);
        const QString photo = wavesFile(1000, 700);
        for (int layout : {9, 3}) {
            main.LayoutKaart_Click(layout);
            open(main, photo);
            open(main, photo);
        }
        main.history.setByteBudget(1);
        main.EditLijstrand[5]->trigger();
        QCOMPARE(main.history.stack().count(), 5);
        for (int n = 0; n < 4; ++n)
            main.ToolsUndo_Click();
        QCOMPARE(main.state.currentLayout, 9);
        QVERIFY(adjustable(main, 0));
        QVERIFY(main.Voorkant->wheelOverCard(1, 0, 10, 10));
    }

    void sourcesKeepTheirSizeRuleAndDecodeAgainExactly()
    {
        // At 100% the part covering the frame is at most twice the print frame each way.
        QCOMPARE(keptSource(QImage(4000, 3000, QImage::Format_RGB32), {172, 122}).size(), QSize(1376, 1032));
        QCOMPARE(keptSource(QImage(800, 600, QImage::Format_RGB32), {172, 122}).size(), QSize(800, 600));
        // A picture the cache let go is decoded again from the kept bytes, pixel for pixel.
        const QString path = dir.filePath("foto.jpg");
        QVERIFY(waves(900, 700).save(path, "JPEG", 85));
        const PhotoFit keep = PhotoFit::keptFor({172, 122});
        const PhotoSource::Opened opened = PhotoSource::open(path, QSize(172, 122) * KeptDetail, keep);
        QVERIFY(opened.source && !opened.source->keptAsLosslessCopy());
        const QImage first = opened.source->picture().copy();
        PhotoSource::dropCache();
        QCOMPARE(PhotoSource::cachedBytes(), qint64(0));
        QCOMPARE(opened.source->picture(), first);

        // A file over 20 MB (a 16-bit picture full of detail) is kept as a
        // lossless copy of the picture the card uses.
        QImage deep(2400, 1900, QImage::Format_RGBX64);
        QRandomGenerator noise(3);
        for (int y = 0; y < deep.height(); ++y) {
            auto* line = reinterpret_cast<quint64*>(deep.scanLine(y));
            for (int x = 0; x < deep.width(); ++x)
                line[x] = noise.generate64() | 0xFFFF000000000000ull;
        }
        const QString large = dir.filePath("diep.png");
        QVERIFY(deep.save(large, "PNG", 0));
        QVERIFY(QFileInfo(large).size() > PhotoSource::LargestKeptFile);
        const PhotoSource::Opened kept = PhotoSource::open(large, QSize(172, 122) * KeptDetail, keep);
        QVERIFY(kept.source && kept.source->keptAsLosslessCopy());
        QVERIFY(kept.source->bytes().size() < PhotoSource::LargestKeptFile);
        const QImage used = kept.source->picture().copy();
        PhotoSource::dropCache();
        QCOMPARE(kept.source->picture(), used);
    }
};

PRENTVEL_TEST(PhotoAdjustingTest)
#include "PhotoAdjustingTest.moc"
