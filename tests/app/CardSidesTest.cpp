// The card's two sides: switching keeps both exactly, each side keeps its own
// layout and tool, one history covers both, and a new card empties both.
#include "app/Main.h"
#include "app/StepsDock.h"
#include "common/ScriptedDialogs.h"
#include "common/TestPictures.h"
#include "common/TestRegistry.h"
#include "drawing/DrawingOperations.h"
#include "editor/CardEditing.h"
#include "editor/PhotoAdjusting.h"
#include "editor/PhotoSource.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

struct Pixels {
    QImage screen, print;
    bool operator==(const Pixels& other) const { return screen == other.screen && print == other.print; }
};

Pixels pixelsOf(const Main& main)
{
    return {main.card.image().copy(), main.card.printImage().copy()};
}

// A front with a moved photo in layout 3 and a gradient over it.
Operation gradient(int direction);
void makeFront(Main& main)
{
    main.LayoutKaart_Click(3);
    QVERIFY(pickFrameAt(main.context(), 300, 100));
    placePhoto(main.context(), PhotoSource::fromPicture(ramps(300, 400)));
    addOperation(main.context(), gradient(2));
}

// A visible step: a gradient in one of the directions.
Operation gradient(int direction)
{
    return std::make_shared<GradientOperation>(direction, Rgb{200, 30, 30}, Rgb{30, 30, 200});
}

}

class CardSidesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void switchingKeepsBothSidesExactly()
    {
        Main main;
        makeFront(main);
        const Pixels front = pixelsOf(main);

        // "Adreszijde" shows the back: the template on a white card; the front stays.
        main.LayoutKaart_Click(Layout::AddressSide);
        QCOMPARE(main.state.side, CardSide::Back);
        QVERIFY(main.BeeldAchterkant->isChecked() && main.LayoutKaart[Layout::AddressSide]->isChecked());
        QCOMPARE(main.state.document.size(), 1);
        Main blank;
        addOperation(blank.context(), std::make_shared<AddressSideTemplate>());
        QVERIFY(pixelsOf(main) == pixelsOf(blank));
        QCOMPARE(main.sidePicture(CardSide::Front, true), front.print);

        // The back takes a drawing layout of its own and a drawing.
        main.LayoutKaart_Click(Layout::FreeDrawing);
        main.Knop[3]->click();
        addOperation(main.context(), gradient(4));
        const Pixels back = pixelsOf(main);
        main.LayoutKaart_Click(Layout::AddressSide); // no second template
        QCOMPARE(main.state.document.size(), 2);
        main.LayoutKaart_Click(Layout::FreeDrawing);

        main.BeeldVoorkant->trigger();
        QVERIFY(pixelsOf(main) == front);
        QVERIFY(main.LayoutKaart[3]->isChecked() && !main.LayoutKaart[Layout::FreeDrawing]->isChecked());
        QVERIFY(!main.Knop[1]->isEnabled());
        QCOMPARE(main.sidePicture(CardSide::Back, true), back.print);
        QCOMPARE(main.Stappen->count(), 2);

        main.BeeldAchterkant->trigger();
        QVERIFY(pixelsOf(main) == back);
        QVERIFY(main.LayoutKaart[Layout::FreeDrawing]->isChecked() && main.Knop[1]->isEnabled());
        QCOMPARE(main.Stappen->count(), 2);
        QCOMPARE(main.StappenDock->windowTitle(), QString("Stappen: adreszijde"));
    }

    // Undoing a step of the other side shows that side first; undoing the
    // back's template brings the front back.
    void oneHistoryCoversBothSides()
    {
        Main main;
        addOperation(main.context(), gradient(1));
        const Pixels front = pixelsOf(main);
        main.BeeldAchterkant->trigger();
        const Pixels templateOnly = pixelsOf(main);
        addOperation(main.context(), gradient(4));
        const Pixels back = pixelsOf(main);
        main.BeeldVoorkant->trigger();

        main.ToolsUndo_Click();
        QCOMPARE(main.state.side, CardSide::Back);
        QVERIFY(main.BeeldAchterkant->isChecked());
        QVERIFY(pixelsOf(main) == templateOnly);
        main.ToolsUndo_Click();
        QCOMPARE(main.state.side, CardSide::Front);
        QVERIFY(pixelsOf(main) == front);
        main.ToolsUndo_Click();
        QVERIFY(main.state.document.empty());

        for (int i = 0; i < 3; ++i)
            main.ToolsRedo_Click();
        QCOMPARE(main.state.side, CardSide::Back);
        QVERIFY(pixelsOf(main) == back);
        main.BeeldVoorkant->trigger();
        QVERIFY(pixelsOf(main) == front);
    }

    void aNewCardEmptiesBothSides()
    {
        Main main;
        ScriptedDialogs dialogs;
        addOperation(main.context(), gradient(1));
        main.BeeldAchterkant->trigger();
        addOperation(main.context(), gradient(4));
        dialogs.answers = {true};
        main.FileNieuw_Click();
        QCOMPARE(main.state.side, CardSide::Front);
        QVERIFY(main.state.document.empty() && !main.state.hiddenSide);
        main.BeeldAchterkant->trigger();
        QCOMPARE(main.state.document.size(), 1);
    }
};
PRENTVEL_TEST(CardSidesTest)
#include "CardSidesTest.moc"
