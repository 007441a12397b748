// The card's print copy: block geometry of straight shapes, agreement of
// slanted and round shapes and text with the screen, and whole-image writes.
#include "common/PrintCopyChecks.h"
#include "common/TestRegistry.h"
#include "platform/CardSurface.h"
#include "platform/PictureSurface.h"

#include <QTest>
#include <functional>

namespace {
const std::uint32_t White = RGB(255, 255, 255);
const std::uint32_t Navy = RGB(20, 30, 120);

// The print copy a plain 4x enlargement of the screen would give.
QImage blocksOf(const QImage& screen)
{
    return screen.scaled(screen.size() * CardSurface::PrintScale);
}
}

class PrintCopyTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void onlyCardsMadeWithOneHaveAPrintCopy()
    {
        PictureSurface plain;
        QVERIFY(!plain.hasPrintCopy());
        plain.line(0, 0, 30, 17, Navy);   // no print copy to draw on: no harm
        CardSurface card(515, 365);
        QCOMPARE(card.printImage().size(), QSize(2060, 1460));
        QCOMPARE(card.printBasePicture().size(), QSize(2060, 1460));
    }

    void straightShapesCoverExactlyTheirBlocks()
    {
        CardSurface card(60, 40);
        card.lineWidth = 3;
        card.fillColor = RGB(200, 10, 10);
        card.fillStyle = CardSurface::Cross;
        card.box(5, 5, 30, 25, Navy);
        card.filledBox(40, 2, 55, 9, RGB(0, 150, 0));
        card.line(2, 35, 50, 35, Navy);
        card.line(57, 12, 57, 38, Navy);
        card.lineWidth = 1;
        card.setPixel(45, 20, RGB(9, 9, 9));
        QCOMPARE(card.printImage(), blocksOf(card.image()));

        // A one-pixel white border whitens the outer four print columns.
        CardSurface dark(30, 20);
        dark.filledBox(0, 0, 29, 19, Navy);
        dark.box(0, 0, 29, 19, White);
        QCOMPARE(dark.printImage().pixel(3, 40), qRgb(255, 255, 255));
        QCOMPARE(dark.printImage().pixel(4, 40), qRgb(20, 30, 120));
        QCOMPARE(dark.printImage(), blocksOf(dark.image()));
    }

    void anInvertedBandComesOffBothCopies()
    {
        CardSurface card(80, 60);
        card.ellipse(40, 30, 20, Navy);
        const QImage screen = card.image(), print = card.printImage();
        card.drawMode = CardSurface::DrawMode::Invert;
        card.lineWidth = 2;
        card.line(3, 4, 70, 51, Navy);
        QVERIFY(card.printImage() != print);
        card.line(3, 4, 70, 51, Navy);
        QCOMPARE(card.image(), screen);
        QCOMPARE(card.printImage(), print);
    }

    void slantedAndRoundShapesAndTextAgreeWithTheScreen()
    {
        const std::vector<std::pair<const char*, std::function<void(CardSurface&)>>> shapes = {
            {"shallow line", [](CardSurface& c) { c.line(20, 30, 300, 150, Navy); }},
            {"diagonal line", [](CardSurface& c) { c.line(20, 30, 300, 310, Navy); }},
            {"wide steep line", [](CardSurface& c) { c.lineWidth = 6; c.line(100, 20, 180, 300, Navy); }},
            {"ellipse", [](CardSurface& c) { c.lineWidth = 3; c.ellipse(250, 180, 120, Navy, 0.6); }},
            {"filled circle", [](CardSurface& c) {
                 c.fillStyle = CardSurface::Solid;
                 c.fillColor = RGB(250, 200, 0);
                 c.ellipse(200, 150, 60, Navy);
             }},
            {"hatched ellipse", [](CardSurface& c) {
                 c.fillStyle = CardSurface::DiagonalCross;
                 c.ellipse(300, 200, 50, Navy, 1.7);
             }},
            {"text", [](CardSurface& c) {
                 c.fontSize = 20;
                 c.fontBold = c.fontItalic = c.fontUnderline = true;
                 c.currentX = 40.5;
                 c.currentY = 100;
                 c.printText(QStringLiteral("Groeten uit Zeeland"));
             }},
            {"turned text", [](CardSurface& c) {
                 QFont font(QStringLiteral("Arial"));
                 font.setPixelSize(24);
                 c.drawText(font, QPointF(60, 340), 90, QStringLiteral("Vertikaal"), Navy);
             }},
        };
        for (const auto& [name, draw] : shapes) {
            CardSurface card(515, 365);
            const QImage blank = card.image();
            draw(card);
            const QImage reduced = reducedPrintCopy(card.printImage());
            QVERIFY2(meanDifference(reduced, card.image()) <= 3, name);
            const Ink screen = inkOf(card.image(), blank), print = inkOf(reduced, blank);
            QVERIFY2(screen.amount > 20, name);
            QVERIFY2(std::abs(print.amount - screen.amount) <= 0.25 * screen.amount,
                     qPrintable(QStringLiteral("%1: %2 against %3").arg(name).arg(print.amount).arg(screen.amount)));
            const QPointF shift = print.centre - screen.centre;
            QVERIFY2(std::hypot(shift.x(), shift.y()) <= 1.0, qPrintable(QStringLiteral("%1: %2,%3 amount %4 %5").arg(name).arg(shift.x()).arg(shift.y()).arg(print.amount).arg(screen.amount)));
        }
    }

    void runsAndWholeImagesReachBothCopies()
    {
        CardSurface card(40, 30);
        card.paintRuns({{2, 5, 9}, {3, -4, 2}, {99, 0, 5}, {29, 38, 60}}, Navy);
        QCOMPARE(card.printImage(), blocksOf(card.image()));
        QCOMPARE(card.point(0, 3), qint64(Navy));
        QCOMPARE(card.point(39, 29), qint64(Navy));

        QImage screen(40, 30, QImage::Format_RGB32), print(160, 120, QImage::Format_RGB32);
        screen.fill(Qt::red);
        print.fill(Qt::blue);
        card.setImages(screen, print);
        QCOMPARE(card.printImage(), print);
        // An undo copy of both comes back whole; without its print copy the
        // screen picture is enlarged.
        card.assignBasePictures(QImage(), QImage());
        QCOMPARE(card.printImage().pixel(100, 100), qRgb(255, 255, 255));
        card.assignBasePictures(screen, print);
        QCOMPARE(card.printBasePicture(), print);
        card.assignBasePictures(screen, QImage());
        QCOMPARE(card.printImage(), blocksOf(screen));
    }

    void aWholeImageWriteNeverDropsThePrintCopy()
    {
        CardSurface card(40, 30);
        QImage screen(40, 30, QImage::Format_RGB32);
        screen.fill(Qt::red);
        for (const QImage& print : {QImage(), QImage(40, 30, QImage::Format_RGB32)}) {
            card.setImages(screen, print);
            QVERIFY(card.hasPrintCopy());
            QCOMPARE(card.printImage(), blocksOf(screen));
        }
    }

    void aPhotoIsResampledForEachCopyFromTheSource()
    {
        QImage source(800, 400, QImage::Format_RGB32);
        for (int y = 0; y < source.height(); ++y)
            for (int x = 0; x < source.width(); ++x)
                source.setPixel(x, y, (x / 2 + y / 2) % 2 ? qRgb(250, 250, 250) : qRgb(0, 0, 0));
        CardSurface card(120, 80);
        card.paintPhoto(source, QRectF(10, 10, 100, 50));
        QCOMPARE(card.printImage().copy(40, 40, 400, 200),
                 source.scaled(400, 200, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        QVERIFY(meanPrintDifference(card) <= 3);
        QCOMPARE(card.point(5, 5), qint64(White));
        card.paintPhoto(source, QRectF(0, 0, 0, 10));   // an empty frame paints nothing
        QCOMPARE(card.point(0, 0), qint64(White));
    }
};

PRENTVEL_TEST(PrintCopyTest)
#include "PrintCopyTest.moc"
