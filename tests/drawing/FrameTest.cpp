#include "common/TestRegistry.h"

#include "app/Main.h"

#include <QAction>
#include <QTest>

namespace {
const QRgb White = qRgb(255, 255, 255);
const QRgb Blue = qRgb(0, 0, 200);

QImage blueCard()
{
    QImage picture(515, 365, QImage::Format_RGB32);
    picture.fill(Blue);
    return picture;
}
}

class FrameTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void widerBorderAfterNarrowLeavesTenPixelsAndUndoRemovesIt()
    {
        Main main;
        main.card.assignBasePicture(blueCard());
        main.EditLijstrand[1]->trigger();
        main.EditLijstrand[10]->trigger();
        const QImage& image = main.card.image();
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(image.pixel(i, 180), White);
            QCOMPARE(image.pixel(514 - i, 180), White);
            QCOMPARE(image.pixel(250, i), White);
            QCOMPARE(image.pixel(250, 364 - i), White);
        }
        QCOMPARE(image.pixel(10, 180), Blue);
        QCOMPARE(image.pixel(504, 354), Blue);

        const QImage withBorder = main.card.image();
        main.EditLijstrand[1]->trigger();
        QCOMPARE(main.card.image(), withBorder);

        main.ToolsUndo_Click();
        main.ToolsUndo_Click();
        QCOMPARE(main.card.image(), withBorder); // the last border took the copy
        main.EditLijstrand[5]->trigger();
        QCOMPARE(main.card.image().pixel(5, 180), White);
        main.ToolsUndo_Click();
        QCOMPARE(main.card.image(), withBorder);
    }

    void diamondHasItsCornersAndStraightEdges()
    {
        Main main;
        main.card.assignBasePicture(blueCard());
        main.EditLijst[2]->trigger();
        const QImage& image = main.card.image();
        for (const QPoint corner : {QPoint(178, 182), QPoint(338, 182), QPoint(258, 102), QPoint(258, 262), QPoint(218, 142)})
            QCOMPARE(image.pixel(corner), White);
        for (const QPoint outside : {QPoint(177, 182), QPoint(339, 182), QPoint(258, 101), QPoint(258, 263), QPoint(217, 141)})
            QCOMPARE(image.pixel(outside), Blue);
        main.ToolsUndo_Click();
        QCOMPARE(main.card.image().pixel(258, 182), Blue);
    }

    void discIsSolidWhiteAndLeavesTheFillTransparent()
    {
        Main main;
        main.card.assignBasePicture(blueCard());
        main.EditLijst[1]->trigger();
        const QImage& image = main.card.image();
        for (const QPoint inside : {QPoint(258, 182), QPoint(258, 102), QPoint(178, 182), QPoint(300, 220)})
            QCOMPARE(image.pixel(inside), White);
        for (const QPoint outside : {QPoint(258, 101), QPoint(339, 182), QPoint(320, 240)})
            QCOMPARE(image.pixel(outside), Blue);
        QCOMPARE(main.card.fillStyle, int(CardSurface::Transparent));
    }
};

PRENTVEL_TEST(FrameTest)
#include "FrameTest.moc"
