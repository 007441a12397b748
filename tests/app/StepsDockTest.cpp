// The dock of the card's steps: its rows follow the edits, undo and redo, a
// step picked or taken out does what the list says, and the entry
// "Beeld > Stappen" shows it, remembered, without moving the designed controls.
#include "app/Main.h"
#include "app/StepsDock.h"
#include "common/TemporarySettings.h"
#include "common/TestPictures.h"
#include "common/TestRegistry.h"
#include "drawing/DrawingOperations.h"
#include "editor/CardEditing.h"
#include "editor/PhotoAdjusting.h"
#include "editor/PhotoOperations.h"
#include "editor/PhotoSource.h"
#include "editor/TextOperation.h"

#include <QAction>
#include <QListWidget>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

namespace {

// The rows as shown: names, an undone one marked "(grijs)".
QStringList rows(const Main& main)
{
    QStringList shown;
    for (int row = 0; row < main.Stappen->count(); ++row) {
        const QListWidgetItem* item = main.Stappen->item(row);
        shown << item->text() + (item->flags() & Qt::ItemIsEnabled ? QString() : QStringLiteral(" (grijs)"));
    }
    return shown;
}

Operation gradient() { return std::make_shared<GradientOperation>(1, Rgb{200, 30, 30}, Rgb{30, 30, 200}); }
Operation border(int width) { return std::make_shared<FrameOperation>(FrameOperation::Border, width); }
Operation centre(int shape) { return std::make_shared<FrameOperation>(FrameOperation::Centre, shape); }

void choose(Main& main, int row)
{
    main.Stappen->setCurrentRow(row);
}

}

class StepsDockTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rowsFollowEditsUndoAndRedo()
    {
        Main main;
        QVERIFY(rows(main).isEmpty());
        const QString g = gradient()->name(), b = border(5)->name(), c = centre(1)->name();
        addOperation(main.context(), gradient());
        addOperation(main.context(), border(5));
        addOperation(main.context(), centre(1));
        QCOMPARE(rows(main), QStringList({g, b, c}));

        main.ToolsUndo_Click();
        main.ToolsUndo_Click();
        QCOMPARE(rows(main), QStringList({g, b + " (grijs)", c + " (grijs)"}));
        QCOMPARE(main.StappenDock->chosenIndex(), -1);
        choose(main, 1); // an undone step cannot be picked
        QVERIFY(!main.VerwijderStap->isEnabled());
        main.ToolsRedo_Click();
        QCOMPARE(rows(main), QStringList({g, b, c + " (grijs)"}));

        // A new edit drops what redo would have brought back.
        addOperation(main.context(), border(10));
        QCOMPARE(rows(main), QStringList({g, b, border(10)->name()}));
    }

    void aMovedPhotoKeepsItsRowAndPickingStepsMakesThemCurrent()
    {
        Main main;
        main.LayoutBijsnijden->setChecked(true);
        main.LayoutKaart_Click(5);
        const auto photo = PhotoSource::fromPicture(ramps(400, 300));
        QVERIFY(pickFrameAt(main.context(), 40, 40));
        placePhoto(main.context(), photo);
        QVERIFY(pickFrameAt(main.context(), 400, 300));
        placePhoto(main.context(), photo);
        addOperation(main.context(), std::make_shared<TextOperation>("Hallo", TextFont{"Liberation Sans"}, TextInk{},
                                                                     false, QPoint(40, 40)));
        const QStringList before = rows(main);
        QCOMPARE(before.size(), 3);
        const auto& first = static_cast<const PhotoInFrame&>(main.state.document.at(0));
        const auto& second = static_cast<const PhotoInFrame&>(main.state.document.at(1));
        QVERIFY(first.frame() != second.frame());

        PhotoPlacement zoomed = first.placement();
        zoomed.zoom = 200;
        const int steps = main.history.stack().count();
        replaceOperation(main.context(), 0, first.placed(zoomed));
        QCOMPARE(main.history.stack().count(), steps + 1);
        QCOMPARE(rows(main), before);

        QSignalSpy texts(&main, &Main::textStepChosen);
        choose(main, 1);
        QCOMPARE(QPointF(main.state.frameX, main.state.frameY), QPointF(second.frame().topLeft()));
        choose(main, 0);
        const QRect firstFrame = static_cast<const PhotoInFrame&>(main.state.document.at(0)).frame();
        QCOMPARE(QPointF(main.state.frameX, main.state.frameY), QPointF(firstFrame.topLeft()));
        QVERIFY(texts.isEmpty());
        choose(main, 2);
        QCOMPARE(texts.size(), 1);
        QCOMPARE(texts.first().first().toInt(), 2);
        // In another layout a photo's frame is not the current one's.
        main.LayoutKaart_Click(3);
        const double x = main.state.frameX, y = main.state.frameY;
        choose(main, 1);
        QCOMPARE(QPointF(main.state.frameX, main.state.frameY), QPointF(x, y));
    }

    void removingAStepGivesTheCardMadeWithoutIt()
    {
        Main without;
        addOperation(without.context(), gradient());
        addOperation(without.context(), centre(2));

        Main main;
        addOperation(main.context(), gradient());
        addOperation(main.context(), border(10));
        addOperation(main.context(), centre(2));
        const QImage screen = main.card.image().copy(), print = main.card.printImage().copy();
        const QStringList all = rows(main);

        choose(main, 1);
        QVERIFY(main.Stappen->actions().contains(main.VerwijderStap));
        main.VerwijderStap->trigger();
        QCOMPARE(rows(main), QStringList({all[0], all[2]}));
        QCOMPARE(main.card.image(), without.card.image());
        QCOMPARE(main.card.printImage(), without.card.printImage());
        QVERIFY(!main.VerwijderStap->isEnabled()); // nothing picked after it

        main.ToolsUndo_Click();
        QCOMPARE(rows(main), all);
        QCOMPARE(main.card.image(), screen);
        QCOMPARE(main.card.printImage(), print);

        // Delete with the list focused does the same.
        main.StappenDock->show();
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        main.Stappen->setFocus();
        choose(main, 1);
        QTest::keyClick(main.Stappen, Qt::Key_Delete);
        QCOMPARE(main.card.image(), without.card.image());
    }

    void theMenuEntryShowsTheDockRememberedAndTheControlsStay()
    {
        TemporarySettings settings;
        const QSize designed = Main::designedClientSize();
        {
            Main main;
            main.show();
            QVERIFY(QTest::qWaitForWindowExposed(&main));
            // The test screen has no room beside the designed window: hidden at the first start.
            QVERIFY(main.StappenDock->isHidden());
            QVERIFY(!main.BeeldStappen->isChecked());
            QVERIFY(main.Beeld->actions().contains(main.BeeldStappen));
            const int width = main.width();

            main.BeeldStappen->trigger();
            QVERIFY(!main.StappenDock->isHidden());
            QCOMPARE(Settings::stepsShown(), std::optional<bool>(true));
            // The window grew for the dock: the client area keeps its designed size and place.
            QTRY_COMPARE(main.centralWidget()->geometry(), QRect(QPoint(0, main.menuBar()->height()), designed));
            QVERIFY(main.StappenDock->geometry().left() >= designed.width());
            QCOMPARE(main.minimumWidth(), main.width());

            main.StappenDock->setFloating(true);
            QCOMPARE(main.minimumWidth(), width);
            main.StappenDock->setFloating(false);
            QTRY_COMPARE(main.centralWidget()->size(), designed);

            main.BeeldStappen->trigger();
            QVERIFY(main.StappenDock->isHidden());
            QCOMPARE(Settings::stepsShown(), std::optional<bool>(false));
            QTRY_COMPARE(main.width(), width);
            QCOMPARE(main.minimumWidth(), width);
        }
        QVERIFY(Main().StappenDock->isHidden());
        Settings::setStepsShown(true);
        Main main;
        QVERIFY(!main.StappenDock->isHidden());
        QVERIFY(main.BeeldStappen->isChecked());
        QCOMPARE(main.centralWidget()->size(), designed);
    }
};
PRENTVEL_TEST(StepsDockTest)
#include "StepsDockTest.moc"
