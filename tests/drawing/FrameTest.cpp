#include "common/TestRegistry.h"

#include "app/Main.h"

#include <QAction>
#include <QTest>

namespace {
const QRgb White = qRgb(255, 255, 255);
const QRgb Blue = qRgb(0, 0, 200);

void paintCardBlue(Main& main)
{
    QImage picture(515, 365, QImage::Format_RGB32);
    picture.fill(Blue);
    main.card.assignBasePicture(picture);
}
}

class FrameTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void widerBorderAfterNarrowLeavesTenPixelsAndUndoRemovesIt()
    {
        Main main;
        paintCardBlue(main);
        main.EditLijstrand[1]->trigger();
        main.EditLijstrand[10]->trigger();
        const QImage& image = main.card.image();
        for (int i = 0; i < 10; ++i)
            QVERIFY(image.pixel(i, 180) == White && image.pixel(514 - i, 180) == White
                    && image.pixel(250, i) == White && image.pixel(250, 364 - i) == White);
        QVERIFY(image.pixel(10, 180) == Blue && image.pixel(504, 354) == Blue);

        // Narrower borders change nothing and add no step: undo takes back the wide one.
        const QImage withBorder = image;
        main.EditLijstrand[1]->trigger();
        QCOMPARE(main.card.image(), withBorder);
        main.EditLijstrand[5]->trigger();
        main.ToolsUndo_Click();
        QVERIFY(main.card.image().pixel(5, 180) == Blue && main.card.image().pixel(0, 180) == White);
    }

    void centreShapesHaveTheirEdges()
    {
        Main main;
        paintCardBlue(main);
        main.EditLijst[2]->trigger();
        for (const QPoint p : {QPoint(178, 182), QPoint(338, 182), QPoint(258, 102), QPoint(258, 262), QPoint(218, 142)})
            QCOMPARE(main.card.image().pixel(p), White);
        for (const QPoint p : {QPoint(177, 182), QPoint(339, 182), QPoint(258, 101), QPoint(258, 263), QPoint(217, 141)})
            QCOMPARE(main.card.image().pixel(p), Blue);

        main.ToolsUndo_Click();
        main.EditLijst[1]->trigger();
        for (const QPoint p : {QPoint(258, 182), QPoint(258, 102), QPoint(178, 182), QPoint(300, 220)})
            QCOMPARE(main.card.image().pixel(p), White);
        for (const QPoint p : {QPoint(258, 101), QPoint(339, 182), QPoint(320, 240)})
            QCOMPARE(main.card.image().pixel(p), Blue);
        QCOMPARE(main.card.fillStyle, int(CardSurface::Transparent));
    }
};

PRENTVEL_TEST(FrameTest)
#include "FrameTest.moc"
