#include "FilterTestPictures.h"
#include "app/Main.h"
#include "common/TestRegistry.h"
#include "filters/FilterMenu.h"
#include "filters/SurfaceEffects.h"
#include "platform/EventPump.h"
#include "platform/PictureBox.h"

#include <QAction>
#include <QGuiApplication>
#include <QPainter>
#include <QProgressBar>
#include <QTest>

class EffectsAndMenuTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void flipsAndMirrors()
    {
        const QImage photo = photoLikePicture(515, 365);
        QImage card = photo;
        FlipHorizontal(card);
        FlipVertical(card);
        QCOMPARE(card, photo.mirrored(true, true));
        card = photo;

        MirrorRight(card, nullptr);
        QCOMPARE(card.copy(514, 0, 1, 365), photo.copy(1, 0, 1, 365));
        QCOMPARE(card.copy(258, 0, 1, 365), photo.copy(257, 0, 1, 365));
        QCOMPARE(card.copy(0, 0, 258, 365), photo.copy(0, 0, 258, 365));

        card = photo;
        MirrorDown(card, nullptr);
        QCOMPARE(card.copy(0, 364, 515, 1), photo.copy(0, 1, 515, 1));
        QCOMPARE(card.copy(0, 183, 515, 1), photo.copy(0, 182, 515, 1));
        QCOMPARE(card.copy(0, 0, 515, 183), photo.copy(0, 0, 515, 183));
    }

    void tiltChequerAndSepia()
    {
        QImage card = flatPicture(515, 365, 255, 255, 255);
        QPainter(&card).fillRect(0, 0, 20, 20, Qt::red);
        QPainter(&card).fillRect(495, 0, 20, 20, Qt::blue);
        QImage backPic;
        TiltCard(card, backPic, nullptr);
        QCOMPARE(backPic.size(), QSize(365, 515));
        QCOMPARE(bgr(card, 0, 364), QString("0,0,255"));
        QCOMPARE(bgr(card, 0, 0), QString("255,0,0"));
        QCOMPARE(bgr(card, 514, 364), QString("255,255,255"));

        card.fill(Qt::white);
        Transparent(card, nullptr, 255, 255, 0);
        QCOMPARE(bgr(card, 0, 0) + bgr(card, 1, 1) + bgr(card, 514, 364), QString("0,255,2550,255,2550,255,255"));
        QCOMPARE(bgr(card, 1, 0) + bgr(card, 0, 1), QString("255,255,255255,255,255"));

        const int greys[] = {200, 30, 10, 70};
        for (int x = 0; x < 4; ++x)
            setBgr(card, x, 0, greys[x], greys[x], greys[x]);
        SepiaTone(card, nullptr);
        QStringList toned;
        for (int x = 0; x < 4; ++x)
            toned << bgr(card, x, 0);
        QCOMPARE(toned.join(' '), QString("120,160,200 0,10,30 0,0,10 10,30,70"));
    }

    void menuHandlersKeepUndoStripAndPointerRight()
    {
        Main main;
        main.card.assignBasePicture(photoLikePicture(515, 365));
        const QImage before = main.card.image();
        bool stripShown = false, hourglass = false;
        EventPump::setHook([&] {
            stripShown = main.Bar->isVisibleTo(&main);
            hourglass = QGuiApplication::overrideCursor() != nullptr;
        });
        main.EditConvert[1]->trigger();
        QVERIFY(stripShown && hourglass);
        QCOMPARE(main.card.image(), filtered(2, before));
        QCOMPARE(main.history.stack().count(), 1);
        QCOMPARE(main.state.progressPercent, 100);
        QVERIFY(!main.Bar->isVisibleTo(&main) && !QGuiApplication::overrideCursor());

        stripShown = hourglass = false;
        main.EditSwap[4]->trigger();
        main.EditContrastConvert[1]->trigger();
        QVERIFY(!stripShown && !hourglass);
        QCOMPARE(main.card.image(), filtered(17, filtered(16, filtered(2, before), 4), 10));
        main.ToolsUndo_Click();
        const QImage current = main.card.image();
        QCOMPARE(current, filtered(16, filtered(2, before), 4));

        // A filter chosen while another runs does nothing, and undo waits for
        // the running one: the two are one step.
        EventPump::setHook([&] {
            EditConvert_Click(main.context(), 0);
            main.ToolsUndo_Click();
        });
        EditConvert_Click(main.context(), 1);
        EventPump::setHook({});
        QCOMPARE(main.card.image(), filtered(2, current));
        EditConvert_Click(main.context(), 5); // the Contrast submenu itself: no step
        main.ToolsUndo_Click();
        QCOMPARE(main.card.image(), current);
    }

    void effectsFromTheMenus()
    {
        Main main;
        main.state.fillColor = {10, 20, 30};
        main.EditConvert[16]->trigger();
        QCOMPARE(bgr(main.card.image(), 2, 2) + bgr(main.card.image(), 3, 2), QString("30,20,10255,255,255"));
        main.card.clear();
        main.EditConvert[17]->trigger();
        QCOMPARE(bgr(main.card.image(), 7, 7), QString("175,215,255"));

        const QImage photo = photoLikePicture(515, 365);
        main.card.assignBasePicture(photo);
        main.EditFlipConvert[0]->trigger();
        QCOMPARE(main.card.image(), photo.mirrored(true, false));
        main.ToolsUndo_Click();
        QCOMPARE(main.card.image(), photo);
        main.ToolsRedo_Click();
        main.ProgBar->setValue(40);
        main.EditFlipConvert[4]->trigger();
        QCOMPARE(main.BackPic.size(), QSize(365, 515));
        QVERIFY(main.ProgBar->isHidden());
        QCOMPARE(main.ProgBar->value(), 0);
    }
};

PRENTVEL_TEST(EffectsAndMenuTest)
#include "EffectsAndMenuTest.moc"
