#include "FilterTestPictures.h"
#include "app/Main.h"
#include "common/TestRegistry.h"
#include "filters/FilterMenu.h"
#include "filters/SurfaceEffects.h"
#include "platform/EventPump.h"
#include "platform/PictureBox.h"

#include <QAction>
#include <QGuiApplication>
#include <QProgressBar>
#include <QTest>

namespace {
QImage cardPhoto()
{
    return photoLikePicture(515, 365);
}

bool sameColumn(const QImage& a, int ax, const QImage& b, int bx)
{
    for (int y = 0; y < a.height(); ++y)
        if (a.pixel(ax, y) != b.pixel(bx, y))
            return false;
    return true;
}
}

class EffectsAndMenuTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void flipsAndMirrors()
    {
        const QImage photo = cardPhoto();
        QImage card = photo;
        FlipHorizontal(card);
        QCOMPARE(card.pixel(0, 5), photo.pixel(514, 5));
        FlipHorizontal(card);
        FlipVertical(card);
        QCOMPARE(card.pixel(3, 0), photo.pixel(3, 364));
        FlipVertical(card);
        QCOMPARE(card, photo);

        MirrorRight(card, nullptr);
        QVERIFY(sameColumn(card, 514, photo, 1));
        QVERIFY(sameColumn(card, 258, photo, 257));
        QVERIFY(sameColumn(card, 0, photo, 0) && sameColumn(card, 257, photo, 257));
        QVERIFY(!sameColumn(card, 514, photo, 0));

        card = photo;
        MirrorDown(card, nullptr);
        QVERIFY(sameRows(card, photo, 0, 182));
        for (int x = 0; x < 515; ++x) {
            QCOMPARE(card.pixel(x, 364), photo.pixel(x, 1));
            QCOMPARE(card.pixel(x, 183), photo.pixel(x, 182));
        }
    }

    void tiltTurnsTheCardAnticlockwise()
    {
        QImage card = flatPicture(515, 365, 255, 255, 255);
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) {
                card.setPixel(x, y, qRgb(255, 0, 0));
                card.setPixel(514 - x, y, qRgb(0, 0, 255));
            }
        }
        QImage backPic;
        TiltCard(card, backPic, nullptr);
        QCOMPARE(backPic.size(), QSize(365, 515));
        QCOMPARE(bgr(card, 0, 364), QString("0,0,255"));
        QCOMPARE(bgr(card, 0, 0), QString("255,0,0"));
        QCOMPARE(bgr(card, 514, 0), QString("255,255,255"));
        QCOMPARE(bgr(card, 514, 364), QString("255,255,255"));
    }

    void chequerAndSepia()
    {
        QImage card = flatPicture(515, 365, 255, 255, 255);
        Transparent(card, nullptr, 255, 255, 0);
        QCOMPARE(bgr(card, 0, 0), QString("0,255,255"));
        QCOMPARE(bgr(card, 1, 0), QString("255,255,255"));
        QCOMPARE(bgr(card, 1, 1), QString("0,255,255"));
        QCOMPARE(bgr(card, 0, 1), QString("255,255,255"));
        QCOMPARE(bgr(card, 514, 364), QString("0,255,255"));

        QImage greys = flatPicture(515, 365, 200, 200, 200);
        setBgr(greys, 1, 0, 30, 30, 30);
        setBgr(greys, 514, 364, 10, 10, 10);
        setBgr(greys, 2, 0, 70, 70, 70);
        SepiaTone(greys, nullptr);
        QCOMPARE(bgr(greys, 0, 0), QString("120,160,200"));
        QCOMPARE(bgr(greys, 1, 0), QString("0,10,30"));
        QCOMPARE(bgr(greys, 514, 364), QString("0,0,10"));
        QCOMPARE(bgr(greys, 2, 0), QString("10,30,70"));
    }

    void convertMenuRunsWithStripAndHourglass()
    {
        Main main;
        main.card.assignBasePicture(cardPhoto());
        const QImage before = main.card.image();
        bool stripShown = false, hourglass = false;
        EventPump::setHook([&] {
            stripShown = main.Bar->isVisibleTo(&main);
            hourglass = QGuiApplication::overrideCursor() != nullptr;
        });
        main.EditConvert[1]->trigger();
        QVERIFY(stripShown && hourglass);
        QCOMPARE(main.card.image(), filtered(2, before));
        QCOMPARE(main.Backup, before);
        QCOMPARE(main.state.progressPercent, 100);
        QVERIFY(!main.Bar->isVisibleTo(&main) && !QGuiApplication::overrideCursor());

        stripShown = hourglass = false;
        EditSwap_Click(main, 4);
        EditContrastConvert_Click(main, 1);
        QVERIFY(!stripShown && !hourglass);
        QCOMPARE(main.card.image(), filtered(17, filtered(16, filtered(2, before), 4), 10));
        main.ToolsUndo_Click();
        QCOMPARE(main.card.image(), filtered(16, filtered(2, before), 4));

        // A filter chosen while another runs leaves the first one's result.
        EventPump::setHook([&] { EditConvert_Click(main, 0); });
        const QImage current = main.card.image();
        EditConvert_Click(main, 1);
        EventPump::setHook({});
        QCOMPARE(main.card.image(), filtered(2, current));
        QCOMPARE(main.Backup, current);

        EditConvert_Click(main, 5); // the Contrast submenu: only a fresh undo copy
        QCOMPARE(main.card.image(), filtered(2, current));
    }

    void effectsFromTheMenus()
    {
        Main main;
        main.state.fillColor = {10, 20, 30};
        EditConvert_Click(main, 16);
        QCOMPARE(bgr(main.card.image(), 2, 2), QString("30,20,10"));
        QCOMPARE(bgr(main.card.image(), 3, 2), QString("255,255,255"));

        main.card.clear();
        EditConvert_Click(main, 17);
        QCOMPARE(bgr(main.card.image(), 7, 7), QString("175,215,255"));
        QVERIFY(main.ProgBar->isHidden());
        QCOMPARE(main.ProgBar->value(), 0);

        main.card.assignBasePicture(cardPhoto());
        const QImage photo = main.card.image();
        main.EditFlipConvert[0]->trigger();
        QCOMPARE(main.card.image(), photo.mirrored(true, false));
        QCOMPARE(main.Backup, photo);
        EditFlipConvert_Click(main, 4);
        QCOMPARE(main.BackPic.size(), QSize(365, 515));
        QVERIFY(main.ProgBar->isHidden());
    }
};

PRENTVEL_TEST(EffectsAndMenuTest)
#include "EffectsAndMenuTest.moc"
