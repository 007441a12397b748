// The "Beeld" menu, the remembered zoom, and the wheel over the card.
#include "app/Main.h"
#include "common/ScriptedDialogs.h"
#include "common/TemporarySettings.h"
#include "common/TestRegistry.h"
#include "platform/CardScrollArea.h"
#include "platform/CardZoom.h"
#include "platform/PictureBox.h"
#include "platform/Settings.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QGroupBox>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

namespace {

QAction* checkedZoom(const Main& main)
{
    return main.BeeldPassend->actionGroup()->checkedAction();
}

// One wheel notch up (or `notches` of them) at `at` on the card view, delivered
// as the window system's turn is: a turn the view leaves goes on to the viewport.
void wheel(Main& main, QPoint at, Qt::KeyboardModifiers modifiers, int notches = 1)
{
    const auto turn = [&](QWidget* target, QPointF position) {
        QWheelEvent event(position, main.Voorkant->mapToGlobal(QPointF(at)), QPoint(), QPoint(0, 120 * notches),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
        return event.isAccepted();
    };
    if (!turn(main.Voorkant, at))
        turn(main.VoorkantScroll->viewport(), main.Voorkant->mapTo(main.VoorkantScroll->viewport(), QPointF(at)));
}

// The card pixel under a point of the panel's viewport.
QPointF cardPixelUnder(const Main& main, QPoint inViewport)
{
    return main.Voorkant->picturePixelAt(main.Voorkant->mapFrom(main.VoorkantScroll->viewport(), QPointF(inViewport)));
}

}

class CardViewMenuTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuStandsAfterBewerkenAndStepsThroughTheZooms()
    {
        Main main;
        const QList<QAction*> top = main.menuBar()->actions();
        QCOMPARE(top.indexOf(main.Beeld->menuAction()), top.indexOf(main.Bewerken->menuAction()) + 1);
        QCOMPARE(main.Beeld->title(), QString("Beeld"));
        QCOMPARE(main.BeeldPassend->text(), QString("Passend in venster"));
        QCOMPARE(main.BeeldZoom[3]->objectName(), QString("BeeldZoom_3"));
        QCOMPARE(main.BeeldZoom[3]->text(), QString("300%"));
        QCOMPARE(main.BeeldPassend->shortcut(), QKeySequence("Ctrl+0"));
        QCOMPARE(main.BeeldZoom[1]->shortcut(), QKeySequence("Ctrl+1"));
        QCOMPARE(main.BeeldInzoomen->shortcuts(), QList<QKeySequence>({QKeySequence("Ctrl++"), QKeySequence("Ctrl+=")}));
        QCOMPARE(main.BeeldUitzoomen->shortcut(), QKeySequence("Ctrl+-"));
        // At the design size the card fits at 100% and stands where it always stood.
        QCOMPARE(checkedZoom(main), main.BeeldPassend);
        QCOMPARE(main.Voorkant->zoom(), 100);
        QCOMPARE(main.Voorkant->mapTo(main.Frame1, QPoint()), QPoint(12, 18));
        QCOMPARE(main.VoorkantScroll->size(), QSize(515, 365));

        const QList<QPair<QAction*, int>> steps{{main.BeeldInzoomen, 150}, {main.BeeldInzoomen, 200}, {main.BeeldInzoomen, 300},
                                                {main.BeeldInzoomen, 400}, {main.BeeldInzoomen, 400}, {main.BeeldUitzoomen, 300},
                                                {main.BeeldZoom[1], 100}, {main.BeeldUitzoomen, 100}};
        for (const auto& [entry, percent] : steps) {
            entry->trigger();
            QCOMPARE(main.Voorkant->zoom(), percent);
            QCOMPARE(main.Voorkant->size(), QSize(515, 365) * (percent / 100.0));
            QAction* expected = percent == 150 ? nullptr : main.BeeldZoom[percent / 100];
            QCOMPARE(checkedZoom(main), expected);
        }
    }

    void theChoiceIsRememberedWhenTheWindowCloses()
    {
        TemporarySettings settings;
        ScriptedDialogs dialogs;
        for (const char* damaged : {"50", "401", "veel", "-3"}) {
            Settings::open().setValue("view/zoom", damaged);
            QCOMPARE(Settings::viewZoom(), CardZoom::Fit);
        }
        {
            Main first;
            first.BeeldZoom[3]->trigger();
            dialogs.answers << true;
            first.close();
        }
        Main second;
        QCOMPARE(second.Voorkant->zoom(), 300);
        QCOMPARE(checkedZoom(second), second.BeeldZoom[3]);
    }

    void passendFollowsThePanel()
    {
        Main main;
        main.show();
        main.VoorkantScroll->resize(1100, 800); // 213.5% across, 219.1% down
        QCOMPARE(main.Voorkant->zoom(), 213);
        // Smaller than the panel, the card stands in its middle.
        const QPoint offCentre = main.Voorkant->geometry().center() - main.VoorkantScroll->viewport()->rect().center();
        QVERIFY(offCentre.manhattanLength() <= 2);
        main.BeeldZoom[4]->trigger();
        main.VoorkantScroll->resize(1000, 700);
        QCOMPARE(main.Voorkant->zoom(), 400);
        main.BeeldPassend->trigger();
        QCOMPARE(main.Voorkant->zoom(), 191); // as if its scroll bars were gone
    }

    void theWheelZoomsAroundThePointerAndScrolls()
    {
        Main main;
        main.show();
        main.BeeldZoom[2]->trigger();
        QScrollBar* across = main.VoorkantScroll->horizontalScrollBar();
        QScrollBar* down = main.VoorkantScroll->verticalScrollBar();
        across->setValue(100);
        down->setValue(80);
        const QPoint pointer(300, 200); // in the viewport
        const QPointF under = cardPixelUnder(main, pointer);
        wheel(main, main.Voorkant->mapFrom(main.VoorkantScroll->viewport(), pointer), Qt::ControlModifier);
        QCOMPARE(main.Voorkant->zoom(), 300);
        QCOMPARE(cardPixelUnder(main, pointer), under);
        wheel(main, main.Voorkant->mapFrom(main.VoorkantScroll->viewport(), pointer), Qt::ControlModifier, -2);
        QCOMPARE(main.Voorkant->zoom(), 150);
        QCOMPARE(cardPixelUnder(main, pointer), under);

        // A plain turn scrolls down the card, with Shift across it.
        main.BeeldZoom[4]->trigger();
        const int x = across->value(), y = down->value();
        wheel(main, {400, 300}, Qt::NoModifier, -1);
        QVERIFY(down->value() > y);
        QCOMPARE(across->value(), x);
        wheel(main, {400, 300}, Qt::ShiftModifier, -1);
        QVERIFY(across->value() > x);

        // A turn someone takes over the card does not scroll.
        QList<QList<double>> offered;
        main.Voorkant->wheelOverCard = [&](int steps, int shift, double cx, double cy) {
            offered.append({double(steps), double(shift), cx, cy});
            return true;
        };
        const int taken = down->value();
        wheel(main, main.Voorkant->viewRect(QRect(100, 50, 1, 1)).topLeft(), Qt::NoModifier, -1);
        QCOMPARE(down->value(), taken);
        QCOMPARE(offered, (QList<QList<double>>{{-1, 0, 100, 50}}));
        main.Voorkant->wheelOverCard = nullptr;
    }
};
PRENTVEL_TEST(CardViewMenuTest)
#include "CardViewMenuTest.moc"
