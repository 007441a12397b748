// The drawing tools' mouse handling on a real main window.
#include "CardMouse.h"
#include "common/TestRegistry.h"
#include "drawing/ToolActions.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <memory>

using namespace CardMouse;

class MouseDrawingTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Main> main;

    void chooseTool(int n) { main->Knop[n]->click(); }

private Q_SLOTS:
    void init()
    {
        main = std::make_unique<Main>();
        main->LayoutKaart_Click(18);
    }
    void cleanup() { main.reset(); }

    void rectangleOnlyOpensRightAndDown()
    {
        chooseTool(3);
        press(*main, {100, 100});
        moveTo(*main, {90, 80});
        QCOMPARE(main->Layer->geometry(), QRect(100, 100, 1, 1));
        release(*main, {90, 80});
        drag(*main, {{100, 100}, {130, 80}});
        drag(*main, {{100, 100}, {100, 100}});
        QCOMPARE(pixelsNotWhite(main->card.image()), 0);
        QVERIFY(main->Layer->isHidden());

        drag(*main, {{100, 100}, {101, 101}});
        QCOMPARE(pixel(*main, 100, 100), Black);
        QCOMPARE(pixel(*main, 101, 101), Black);
    }

    void straightLineInAnyDirectionLeavesNoBand()
    {
        chooseTool(2);
        drag(*main, {{200, 200}, {300, 300}, {250, 120}, {150, 180}});
        QCOMPARE(pixel(*main, 150, 180), Black);
        QCOMPARE(pixel(*main, 175, 190), Black);
        QCOMPARE(pixel(*main, 280, 280), White); // an earlier band was taken off again
        QCOMPARE(pixel(*main, 240, 140), White);
        QCOMPARE(main->card.drawMode, CardSurface::DrawMode::Copy);

        // Released away from the last move: only the real line stays.
        main->card.clear();
        press(*main, {10, 10});
        moveTo(*main, {100, 10});
        release(*main, {10, 100});
        QCOMPARE(pixel(*main, 60, 10), White);
        QCOMPARE(pixel(*main, 10, 60), Black);
    }

    void onlyTheLeftButtonDraws()
    {
        chooseTool(1);
        main->Slider1->setValue(5);
        press(*main, {50, 50});
        QCOMPARE(main->card.lineWidth, 5);
        press(*main, {50, 50}, Qt::RightButton);
        moveTo(*main, {120, 90});
        release(*main, {120, 90}, Qt::RightButton);
        release(*main, {120, 90});
        QCOMPARE(pixelsNotWhite(main->card.image()), 0);
        QCOMPARE(main->card.lineWidth, 1);

        // A right drag only takes the undo copy, with or without a tool.
        for (int tool : {0, 3, 1}) {
            main->state.currentTool = tool;
            main->card.setPixel(5, 5, RGB(0, 0, 0));
            drag(*main, {{60, 60}, {140, 100}}, Qt::RightButton);
            QCOMPARE(main->Backup, main->card.image());
            QCOMPARE(pixelsNotWhite(main->card.image()), 1);
        }

        drag(*main, {{50, 50}, {80, 50}, {80, 80}});
        QCOMPARE(pixel(*main, 65, 50), Black);
        QCOMPARE(pixel(*main, 80, 65), Black);
    }

    void ellipseIsInscribedInTheDrag()
    {
        const auto even = ToolActions::ellipseFromDrag(10, 10, 110, 50);
        QCOMPARE(even.centreX, 60.0);
        QCOMPARE(even.centreY, 30.0);
        QCOMPARE(even.radius, 50.0);
        QCOMPARE(even.radius * even.aspect, 20.0);
        const auto odd = ToolActions::ellipseFromDrag(10, 10, 111, 51);
        QCOMPARE(odd.centreX, 60.5);
        QCOMPARE(odd.centreY, 30.5);
        QCOMPARE(odd.radius, 50.5);
        QCOMPARE(odd.radius * odd.aspect, 20.5);
        const auto tall = ToolActions::ellipseFromDrag(0, 0, 40, 100);
        QCOMPARE(tall.radius / tall.aspect, 20.0); // horizontal semi-axis of an upright ellipse

        chooseTool(5);
        drag(*main, {{10, 10}, {110, 50}});
        for (QPoint onEdge : {QPoint(10, 30), QPoint(110, 30), QPoint(60, 10), QPoint(60, 50)})
            QCOMPARE(pixel(*main, onEdge.x(), onEdge.y()), Black);
        QCOMPARE(pixel(*main, 60, 30), White);
        QCOMPARE(pixel(*main, 12, 12), White);
    }

    void filledShapesUseTheFillPattern()
    {
        main->state.fillStyleSetting = 6;
        chooseTool(4);
        drag(*main, {{40, 40}, {100, 100}});
        QCOMPARE(pixel(*main, 40, 40), Black);
        QCOMPARE(pixel(*main, 100, 70), Black);
        QCOMPARE(pixel(*main, 48, 61), Yellow); // on a vertical hatch line
        QCOMPARE(pixel(*main, 51, 64), Yellow); // on a horizontal one
        QCOMPARE(pixel(*main, 51, 61), White);
        QCOMPARE(main->card.fillStyle, int(CardSurface::Transparent));

        main->state.fillStyleSetting = 0;
        chooseTool(6);
        drag(*main, {{200, 200}, {300, 260}});
        QCOMPARE(pixel(*main, 250, 230), Yellow);
        QCOMPARE(pixel(*main, 200, 230), Black);
        QCOMPARE(main->card.fillStyle, int(CardSurface::Transparent));
    }

    void clickThatPlacesTextDrawsNoShape()
    {
        chooseTool(3);
        main->state.placingText = true;
        main->Label12->show();
        drag(*main, {{10, 10}, {60, 50}});
        QCOMPARE(pixelsNotWhite(main->card.image()), 0);
        QVERIFY(!main->state.placingText);
        QVERIFY(main->Label12->isHidden());
        QVERIFY(main->Layer->isHidden());
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
};

PRENTVEL_TEST(MouseDrawingTest)
#include "MouseDrawingTest.moc"
