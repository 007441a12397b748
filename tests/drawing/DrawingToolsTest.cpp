// The drawing tools on a real main window, driven with the mouse.
#include "CardMouse.h"
#include "common/TestRegistry.h"
#include "drawing/ToolActions.h"
#include "platform/ClickableLabel.h"
#include "platform/Random.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <memory>

using namespace CardMouse;

class DrawingToolsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Main> main;

    void click(int tool, QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        if (main->state.currentTool != tool) // a second click would leave the tool
            main->Knop[tool]->click();
        QTest::mouseClick(main->Voorkant, button, {}, at);
    }

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

    void rectangleOnlyOpensRightAndDown()
    {
        main->Knop[3]->click();
        QTest::mousePress(main->Voorkant, Qt::LeftButton, {}, {100, 100});
        QTest::mouseMove(main->Voorkant, {90, 80});
        QCOMPARE(main->Layer->geometry(), QRect(100, 100, 1, 1));
        QTest::mouseRelease(main->Voorkant, Qt::LeftButton, {}, {90, 80});
        drag(*main, {{100, 100}, {130, 80}});
        drag(*main, {{100, 100}, {100, 100}});
        QCOMPARE(pixelsNotWhite(main->card.image()), 0);
        QVERIFY(main->Layer->isHidden());

        drag(*main, {{100, 100}, {101, 101}});
        QCOMPARE(pixel(*main, 101, 101), Black);
    }

    void straightLineInAnyDirectionLeavesNoBand()
    {
        main->Knop[2]->click();
        drag(*main, {{200, 200}, {300, 300}, {250, 120}, {150, 180}});
        QCOMPARE(firstMismatch(*main, {{150, 180, Black}, {175, 190, Black}, {280, 280, White}, {240, 140, White}}),
                 QString());
        // Released away from the last move: only the real line stays.
        main->card.clear();
        QTest::mousePress(main->Voorkant, Qt::LeftButton, {}, {10, 10});
        QTest::mouseMove(main->Voorkant, {100, 10});
        QTest::mouseRelease(main->Voorkant, Qt::LeftButton, {}, {10, 100});
        QCOMPARE(firstMismatch(*main, {{60, 10, White}, {10, 60, Black}}), QString());
    }

    void onlyTheLeftButtonDraws()
    {
        main->Knop[1]->click();
        main->Slider1->setValue(5);
        QTest::mousePress(main->Voorkant, Qt::LeftButton, {}, {50, 50});
        QCOMPARE(main->card.lineWidth, 5);
        drag(*main, {{50, 50}, {120, 90}}, Qt::RightButton); // both buttons held
        QTest::mouseRelease(main->Voorkant, Qt::LeftButton, {}, {120, 90});
        QCOMPARE(pixelsNotWhite(main->card.image()), 0);
        QCOMPARE(main->card.lineWidth, 1);

        // A right drag changes nothing and adds no step, with or without a tool.
        main->card.setPixel(5, 5, RGB(0, 0, 0));
        const int steps = main->history.stack().count();
        for (int tool : {0, 3, 1}) {
            main->state.currentTool = tool;
            drag(*main, {{60, 60}, {140, 100}}, Qt::RightButton);
            QCOMPARE(main->history.stack().count(), steps);
            QCOMPARE(pixelsNotWhite(main->card.image()), 1);
        }
        drag(*main, {{50, 50}, {80, 50}, {80, 80}});
        QCOMPARE(firstMismatch(*main, {{65, 50, Black}, {80, 65, Black}}), QString());

        // A right click inside a left drag does not split it: the whole drag is one step.
        main->Knop[3]->click();
        QTest::mousePress(main->Voorkant, Qt::LeftButton, {}, {20, 200});
        drag(*main, {{30, 210}}, Qt::RightButton);
        QTest::mouseMove(main->Voorkant, {60, 240});
        QTest::mouseRelease(main->Voorkant, Qt::LeftButton, {}, {60, 240});
        QCOMPARE(firstMismatch(*main, {{30, 225, Black}, {60, 225, Black}}), QString()); // from the last press
        main->ToolsUndo_Click();
        main->ToolsUndo_Click();
        QCOMPARE(pixelsNotWhite(main->card.image()), 1);
    }

    void ellipseIsInscribedInTheDrag()
    {
        const auto even = ToolActions::ellipseFromDrag(10, 10, 110, 50);
        QCOMPARE(QList<double>({even.centreX, even.centreY, even.radius, even.radius * even.aspect}),
                 QList<double>({60, 30, 50, 20}));
        const auto odd = ToolActions::ellipseFromDrag(10, 10, 111, 51);
        QCOMPARE(QList<double>({odd.centreX, odd.centreY, odd.radius, odd.radius * odd.aspect}),
                 QList<double>({60.5, 30.5, 50.5, 20.5}));

        main->Knop[5]->click();
        drag(*main, {{10, 10}, {110, 50}});
        QCOMPARE(firstMismatch(*main, {{10, 30, Black}, {110, 30, Black}, {60, 10, Black}, {60, 50, Black},
                                       {60, 30, White}, {12, 12, White}}),
                 QString());
    }

    void filledShapesUseTheFillPattern()
    {
        main->state.fillStyleSetting = 6;
        main->Knop[4]->click();
        drag(*main, {{40, 40}, {100, 100}});
        // Outline in the draw colour, a cross hatch of fill colour inside.
        QCOMPARE(firstMismatch(*main, {{40, 40, Black}, {100, 70, Black}, {48, 61, Yellow}, {51, 64, Yellow},
                                       {51, 61, White}}),
                 QString());
        main->state.fillStyleSetting = 0;
        main->Knop[6]->click();
        drag(*main, {{200, 200}, {300, 260}});
        QCOMPARE(firstMismatch(*main, {{250, 230, Yellow}, {200, 230, Black}}), QString());
        QCOMPARE(main->card.fillStyle, int(CardSurface::Transparent));
    }

    void clickThatPlacesTextDrawsNoShape()
    {
        main->Knop[3]->click();
        main->state.placingText = true;
        main->Label12->show();
        drag(*main, {{10, 10}, {60, 50}});
        // The text lands above and left of the pointer; the rectangle's right edge stays blank.
        QVERIFY(pixelsNotWhite(main->card.image()) > 0);
        QCOMPARE(firstMismatch(*main, {{60, 10, White}, {60, 30, White}, {60, 50, White}}), QString());
        QVERIFY(!main->state.placingText && main->Label12->isHidden() && main->Layer->isHidden());
        QCOMPARE(main->InfoLabel->text(), QString("Informatie..."));
    }

    void previewAndCoordinatesFollowThePointerInEveryLayout()
    {
        main->LayoutKaart_Click(1);
        main->Label12->resize(60, 20);
        main->state.currentTool = 1;
        drag(*main, {{10, 10}, {30, 40}});
        QCOMPARE(main->CorLabel->text(), QString("Coordinaten : X = 30, Y = 40"));
        QCOMPARE(main->Label12->pos(), QPoint(30 - 60 - 5, 40 - 20 - 5));
        QCOMPARE(pixelsNotWhite(main->card.image()), 0);
    }

    void fillSpreadsThroughTheStartColourOnly()
    {
        const Rgb blue{0, 0, 255};
        main->card.box(50, 50, 150, 120, RGB(0, 0, 0));
        click(7, {100, 80});
        QCOMPARE(firstMismatch(*main, {{100, 80, Yellow}, {51, 51, Yellow}, {50, 50, Black}, {49, 80, White}}), QString());
        // On the outline: the whole connected outline takes the fill colour.
        main->state.fillColor = blue;
        click(7, {50, 50});
        QCOMPARE(firstMismatch(*main, {{150, 120, blue}, {100, 80, Yellow}}), QString());
        // The whole remaining white card, without running out of stack.
        ToolActions::fill(main->card, 0, 0, Yellow);
        QCOMPARE(firstMismatch(*main, {{514, 364, Yellow}, {50, 50, blue}}), QString());
        QCOMPARE(main->card.fillStyle, int(CardSurface::Transparent));
    }

    void sprayStaysOnTheDiagonalAboveLeft()
    {
        for (std::uint64_t seed = 1; seed <= 60; ++seed) {
            Random::Generator random(seed);
            ToolActions::sprayDot(main->card, 100, 100, Black, random.next());
        }
        int dots = 0;
        for (int i = 91; i <= 100; ++i)
            dots += pixel(*main, i, i) == Black;
        QVERIFY(dots >= 5);
        QCOMPARE(pixelsNotWhite(main->card.image()), dots);
    }

    void eraserIsClippedAtTheEdge()
    {
        main->card.filledBox(0, 0, 40, 40, RGB(0, 0, 0));
        click(9, {5, 5});
        QCOMPARE(firstMismatch(*main, {{0, 0, White}, {4, 4, White}, {5, 5, Black}, {5, 0, Black}, {0, 5, Black}}),
                 QString());
        // A wider pen grows the square outward by (width - 1) / 2: 10..19 becomes 8..21.
        main->Slider1->setValue(5);
        click(9, {30, 30});
        QCOMPARE(firstMismatch(*main, {{18, 18, White}, {31, 31, White}, {17, 17, Black}, {32, 25, Black}}),
                 QString());
    }

    void thinEllipseDragsDrawTheirCentreLine()
    {
        // One pixel high: a flat stroke across the drag, not two dots.
        main->Knop[5]->click();
        drag(*main, {{100, 100}, {120, 101}});
        QCOMPARE(firstMismatch(*main, {{100, 100, Black}, {110, 101, Black}, {120, 100, Black}, {110, 102, White},
                                       {121, 100, White}}),
                 QString());
        // A 2 x 2 drag draws its box instead of nothing.
        main->card.clear();
        drag(*main, {{200, 200}, {201, 201}});
        QCOMPARE(pixelsNotWhite(main->card.image()), 4);
    }

    void pickerTakesTheComponentsUnchanged()
    {
        main->card.setPixel(20, 20, RGB(153, 102, 51));
        main->card.setPixel(30, 30, RGB(7, 8, 9));
        click(10, {20, 20});
        click(10, {30, 30}, Qt::RightButton);
        QCOMPARE(main->state.drawColor, (Rgb{153, 102, 51}));
        QCOMPARE(main->state.fillColor, (Rgb{7, 8, 9}));
        QCOMPARE(Rgb::fromColor(main->Label4->palette().color(QPalette::Window)), (Rgb{7, 8, 9}));
    }

    void circlesHaveNoZeroComponent()
    {
        main->Knop[11]->click();
        Random::fixClockSeed(7);
        drag(*main, {{100, 100}, {200, 150}});
        Random::seed(7);
        const Rgb expected{int(Random::next() * 255 + 1), int(Random::next() * 255 + 1), int(Random::next() * 255 + 1)};
        QVERIFY(expected.r > 0 && expected.g > 0 && expected.b > 0);
        QCOMPARE(firstMismatch(*main, {{205, 150, expected}, {200, 150, White}}), QString());
    }

    void toolPanelControls()
    {
        QCOMPARE(main->Knop[4]->toolTip(), QString(" Gevulde Rechthoeken "));
        main->Knop[5]->click();
        QCOMPARE(main->state.currentTool, 5);
        QCOMPARE(main->Label1->text(), QString("Circels en Ellips"));
        QCOMPARE(main->InfoLabel->text(), QString("Tekenen van circels en ellipsen met tekenkleur"));
        // A second click leaves the tool, and so does Esc.
        main->Knop[5]->click();
        QCOMPARE(main->state.currentTool, 0);
        QCOMPARE(main->Label1->text(), QString("Tekenknoppen"));
        main->Knop[5]->click();
        QTest::keyClick(main->Voorkant, Qt::Key_Escape);
        QCOMPARE(main->state.currentTool, 0);
        main->Slider1->setValue(5);
        QCOMPARE(main->Label9->text(), QString("Lijndikte is 5 pixels"));

        main->ToolsColorLayer[2]->trigger();
        main->ToolsColorLayer[2]->trigger(); // choosing it again keeps the mark
        QCOMPARE(main->state.layerColor, (Rgb{120, 120, 120}));
        QVERIFY(main->ToolsColorLayer[2]->isChecked() && !main->ToolsColorLayer[3]->isChecked());
    }

    void paletteColourIsShiftedByOne()
    {
        QCOMPARE(ToolActions::shiftedPaletteColor({255, 0, 1}), (Rgb{254, 1, 0}));
        QTimer closePalette; // closes the palette by its frame, without a pick
        connect(&closePalette, &QTimer::timeout, [] {
            if (QWidget* palette = QApplication::activeModalWidget())
                palette->close();
        });
        closePalette.start(10);
        QTest::mouseClick(main->Label4, Qt::LeftButton);
        QCOMPARE(main->state.fillColor, (Rgb{1, 1, 1})); // the palette was never touched
        QCOMPARE(main->state.drawColor, Black);
    }
};

PRENTVEL_TEST(DrawingToolsTest)
#include "DrawingToolsTest.moc"
