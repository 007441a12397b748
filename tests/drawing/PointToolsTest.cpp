// Fill, spray, eraser, picker and coloured circles, and the tool panel controls.
#include "CardMouse.h"
#include "common/TestRegistry.h"
#include "drawing/ToolActions.h"
#include "platform/ClickableLabel.h"
#include "platform/Random.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <memory>

using namespace CardMouse;

class PointToolsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Main> main;

private Q_SLOTS:
    void init()
    {
        main = std::make_unique<Main>();
        main->LayoutKaart_Click(18);
    }
    void cleanup()
    {
        main.reset();
        Random::fixClockSeed(std::nullopt);
    }

    void fillSpreadsThroughTheStartColourOnly()
    {
        main->card.box(50, 50, 150, 120, RGB(0, 0, 0));
        main->Knop[7]->click();
        QTest::mouseClick(main->Voorkant, Qt::LeftButton, {}, QPoint(100, 80));
        QCOMPARE(pixel(*main, 100, 80), Yellow);
        QCOMPARE(pixel(*main, 51, 51), Yellow);
        QCOMPARE(pixel(*main, 50, 50), Black);
        QCOMPARE(pixel(*main, 49, 80), White);
        QCOMPARE(main->card.fillStyle, int(CardSurface::Transparent));

        // On the outline: the whole connected outline takes the fill colour.
        main->state.fillColor = {0, 0, 255};
        QTest::mouseClick(main->Voorkant, Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(pixel(*main, 150, 120), (Rgb{0, 0, 255}));
        QCOMPARE(pixel(*main, 100, 80), Yellow);

        // The whole remaining white card, without running out of stack.
        ToolActions::fill(main->card, 0, 0, Yellow);
        QCOMPARE(pixel(*main, 514, 364), Yellow);
        QCOMPARE(pixel(*main, 50, 50), (Rgb{0, 0, 255}));
        const QImage before = main->card.image();
        ToolActions::fill(main->card, 3, 3, Yellow);
        QCOMPARE(main->card.image(), before);
    }

    void sprayStaysOnTheDiagonalAboveLeft()
    {
        for (std::uint64_t seed = 1; seed <= 60; ++seed) {
            Random::fixClockSeed(seed);
            ToolActions::sprayDot(main->card, 100, 100, Black);
        }
        QCOMPARE(main->card.lineWidth, 2);
        int dots = 0;
        for (int y = 0; y < 365; ++y)
            for (int x = 0; x < 515; ++x)
                if (pixel(*main, x, y) != White) {
                    QCOMPARE(x, y);
                    QVERIFY(x >= 91 && x <= 100);
                    ++dots;
                }
        QVERIFY(dots >= 5); // several distinct offsets were drawn
    }

    void eraserIsClippedAtTheEdge()
    {
        main->card.filledBox(0, 0, 40, 40, RGB(0, 0, 0));
        main->Knop[9]->click();
        QTest::mouseClick(main->Voorkant, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(pixel(*main, 0, 0), White);
        QCOMPARE(pixel(*main, 4, 4), White);
        QCOMPARE(pixel(*main, 5, 5), Black);
        QCOMPARE(pixel(*main, 5, 0), Black);
        QCOMPARE(pixel(*main, 0, 5), Black);
    }

    void pickerTakesTheComponentsUnchanged()
    {
        main->card.setPixel(20, 20, RGB(153, 102, 51));
        main->card.setPixel(30, 30, RGB(7, 8, 9));
        main->Knop[10]->click();
        QTest::mouseClick(main->Voorkant, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(main->state.drawColor, (Rgb{153, 102, 51}));
        QCOMPARE(main->state.fillColor, Yellow);
        QTest::mouseClick(main->Voorkant, Qt::RightButton, {}, QPoint(30, 30));
        QCOMPARE(main->state.fillColor, (Rgb{7, 8, 9}));
        QCOMPARE(main->state.drawColor, (Rgb{153, 102, 51}));
        QCOMPARE(Rgb::fromColor(main->Label4->palette().color(QPalette::Window)), (Rgb{7, 8, 9}));
    }

    void circlesHaveNoZeroComponent()
    {
        main->Knop[11]->click();
        Random::fixClockSeed(7);
        drag(*main, {{100, 100}, {200, 150}});
        Random::seed(7);
        const Rgb expected{int(Random::next() * 255 + 1), int(Random::next() * 255 + 1), int(Random::next() * 255 + 1)};
        QCOMPARE(pixel(*main, 205, 150), expected);
        QCOMPARE(pixel(*main, 200, 150), White);
        QVERIFY(expected.r > 0 && expected.g > 0 && expected.b > 0);
    }

    void toolPanelControls()
    {
        QCOMPARE(main->Knop[4]->toolTip(), QString(" Gevulde Rechthoeken "));
        QVERIFY(!main->Knop[12]->icon().isNull());
        main->Knop[5]->click();
        main->Knop[5]->click();
        QCOMPARE(main->state.currentTool, 5);
        QCOMPARE(main->Label1->text(), QString("Circels en Ellips"));
        QCOMPARE(main->InfoLabel->text(), QString("Tekenen van circels en ellipsen met tekenkleur"));

        main->Slider1->setValue(5);
        QCOMPARE(main->Label9->text(), QString("Lijndikte is 5 pixels"));

        main->ToolsColorLayer[2]->trigger();
        QCOMPARE(main->state.layerColor, (Rgb{120, 120, 120}));
        QVERIFY(main->ToolsColorLayer[2]->isChecked());
        QVERIFY(!main->ToolsColorLayer[3]->isChecked());
        main->ToolsColorLayer[2]->trigger(); // choosing it again keeps the mark
        QVERIFY(main->ToolsColorLayer[2]->isChecked());
    }

    void paletteColourIsShiftedByOne()
    {
        QCOMPARE(ToolActions::shiftedPaletteColor({255, 0, 0}), (Rgb{254, 1, 1}));
        QCOMPARE(ToolActions::shiftedPaletteColor({1, 255, 128}), (Rgb{0, 254, 127}));
        main->state.paletteColor = {0, 0, 0};
        QTimer closePalette; // closes the palette by its frame, without a pick
        closePalette.setInterval(10);
        connect(&closePalette, &QTimer::timeout, [] {
            if (QWidget* palette = QApplication::activeModalWidget())
                palette->close();
        });
        closePalette.start();
        QTest::mouseClick(main->Label4, Qt::LeftButton);
        QCOMPARE(main->state.fillColor, (Rgb{1, 1, 1}));
        QCOMPARE(main->state.drawColor, Black);
    }
};

PRENTVEL_TEST(PointToolsTest)
#include "PointToolsTest.moc"
