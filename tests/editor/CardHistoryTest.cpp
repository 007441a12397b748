// The card's undo history: exact undo and redo of both copies, one step per
// change, and the byte budget.
#include "app/Main.h"
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"
#include "editor/TextPlacer.h"
#include "editor/UnsavedWork.h"
#include "EditorTestSupport.h"
#include "platform/ClickableLabel.h"

#include <QAction>
#include <QComboBox>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Everything a step brings back.
struct CardState {
    QImage image, print, base, printBase;
    int layout;
    QPointF frame;
    bool operator==(const CardState& o) const
    {
        return image == o.image && print == o.print && base == o.base && printBase == o.printBase && layout == o.layout
            && frame == o.frame;
    }
};

CardState stateOf(const Main& main)
{
    const CardSurface& c = main.card;
    return {c.image().copy(), c.printImage().copy(), c.basePicture().copy(), c.printBasePicture().copy(),
            main.state.currentLayout, {main.state.frameX, main.state.frameY}};
}

// A picture with detail in every pixel, so that any misplaced pixel shows.
QImage detailed(QSize size, int seed)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, qRgb((x * 7 + seed) % 256, (y * 3 + seed) % 256, (x * y + seed) % 256));
    return picture;
}

// Fills both copies of the surface at once, as one change.
void fillBoth(CardHistory& history, CardSurface& card, QRgb colour)
{
    CardHistory::Change change(history);
    QImage screen = card.image().copy(), print = card.printImage().copy();
    screen.fill(colour);
    print.fill(colour);
    card.setImages(screen, print);
}

CardHistory plainHistory(CardSurface& card)
{
    return CardHistory(card, [] { return CardLayoutState{}; }, [](const CardLayoutState&) {});
}

}

class CardHistoryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void changesOfEveryKindUndoAndRedoExactly()
    {
        QTemporaryDir dir;
        Main main;
        main.history.setByteBudget(qint64(1) << 40); // every step keeps its pixels, also those written directly
        ScriptedDialogs dialogs;
        const QSize printSize = main.card.image().size() * CardSurface::PrintScale;
        main.card.assignBasePicture(detailed(main.card.image().size(), 5));
        main.card.setImages(main.card.image(), detailed(printSize, 1)); // a print copy of its own
        main.LayoutKaart_Click(3);
        QList<CardState> states{stateOf(main)};

        const QString photo = dir.filePath("foto.bmp");
        QVERIFY(detailed({90, 120}, 2).save(photo));
        dialogs.files << photo;
        main.FileOpen->trigger();
        states << stateOf(main);

        main.Text1->setText("HHHH");
        main.ListFonts->setCurrentText("DejaVu Sans");
        main.ComboSize->setCurrentText("20");
        main.PlaatsKnop->click();
        placeTextAt(main.context(), 400, 200);
        states << stateOf(main);

        main.EditConvert[1]->trigger(); // Negative
        states << stateOf(main);

        main.LayoutKaart_Click(19); // the address side replaces the base pictures too
        states << stateOf(main);

        // A change to both copies at once, as the filters make on a card with a print copy.
        {
            CardHistory::Change change(main.history);
            main.card.setImages(detailed(main.card.image().size(), 3), detailed(printSize, 4));
        }
        states << stateOf(main);
        for (int i = 1; i < states.size(); ++i)
            QVERIFY2(!(states[i] == states[i - 1]), "every change shows");
        QCOMPARE(main.history.stack().count(), states.size() - 1);

        for (int i = states.size() - 2; i >= 0; --i) {
            main.ToolsUndo_Click();
            QVERIFY2(stateOf(main) == states[i], qPrintable(QString("undo to %1").arg(i)));
        }
        QVERIFY(!main.ToolsUndo->isEnabled() && main.ToolsRedo->isEnabled());
        for (int i = 1; i < states.size(); ++i) {
            main.ToolsRedo_Click();
            QVERIFY2(stateOf(main) == states[i], qPrintable(QString("redo to %1").arg(i)));
        }
        QVERIFY(main.ToolsUndo->isEnabled() && !main.ToolsRedo->isEnabled());
    }

    void oneStepPerChangeAndOnlyWhenPixelsChange()
    {
        CardSurface card(20, 10);
        CardHistory history = plainHistory(card);
        {
            CardHistory::Change outer(history);
            card.setPixel(1, 1, RGB(255, 0, 0));
            {
                CardHistory::Change inner(history); // joins the outer change
                card.setPixel(2, 2, RGB(255, 0, 0));
            }
            history.undo(); // refused while the change is open
            QCOMPARE(card.point(2, 2), qint64(RGB(255, 0, 0)));
        }
        QCOMPARE(history.stack().count(), 1);
        {
            CardHistory::Change unchanged(history);
            card.setPixel(1, 1, RGB(255, 0, 0));
        }
        QCOMPARE(history.stack().count(), 1);

        // A drag stays open until its own button comes up; pressing that
        // button again (its release was lost) starts a new step.
        const int left = 1, right = 2;
        history.openDrag(left);
        card.setPixel(5, 5, RGB(0, 0, 255));
        history.openDrag(right);
        history.closeDrag(right);
        card.setPixel(5, 6, RGB(0, 0, 255));
        history.openDrag(left);
        card.setPixel(6, 5, RGB(0, 0, 255));
        history.closeDrag(left);
        history.closeDrag(left);
        QCOMPARE(history.stack().count(), 3);
        history.undo();
        QCOMPARE(card.point(5, 6), qint64(RGB(0, 0, 255)));
        QCOMPARE(card.point(6, 5), qint64(RGB(255, 255, 255)));

        // A step keeps only the changed rectangle of both copies.
        const qint64 before = history.bytes();
        {
            CardHistory::Change change(history);
            card.setPixel(7, 7, RGB(0, 255, 0));
        }
        const qint64 onePixel = 2 * (4 + 16 * 4); // current and base, screen and print
        QVERIFY(history.bytes() - before <= onePixel + 1024);
        QCOMPARE(history.stack().count(), 3); // the step that could be redone is gone
    }

    // Over the budget the oldest steps let their pixels go, and undo and redo
    // then draw the card from the document, exactly as the pixels were.
    void stepsWithoutPixelsDrawTheCardFromItsDocument()
    {
        Main main;
        main.LayoutKaart_Click(18);
        std::vector<CardState> states{stateOf(main)};
        const auto record = [&] { states.push_back(stateOf(main)); };
        main.EditConvert[1]->trigger(); // Negative
        record();
        main.EditLijst[1]->trigger();
        record();
        main.EditLijstrand[10]->trigger();
        record();
        main.EditConvert[13]->trigger(); // Add noise, from its own seed
        record();
        main.history.setByteBudget(1);
        fillBoth(main.history, main.card, qRgb(1, 2, 3)); // a change of pixels alone trims the steps
        main.history.undo();
        QCOMPARE(main.history.stepsWithPixels(), 1);
        for (int i = int(states.size()) - 2; i >= 0; --i) {
            main.history.undo();
            QVERIFY2(stateOf(main) == states[std::size_t(i)], qPrintable(QString::number(i)));
        }
        for (std::size_t i = 1; i < states.size(); ++i) {
            main.history.redo();
            QVERIFY2(stateOf(main) == states[i], qPrintable(QString::number(i)));
        }
    }

    void unsavedWorkFollowsUndoRedoAndNewBranches()
    {
        CardSurface card(40, 30);
        CardHistory history = plainHistory(card);
        UnsavedWork work(history);
        QVERIFY(!work.unsaved());
        QCOMPARE(work.question("Vraag?"), QString("Vraag?"));
        fillBoth(history, card, qRgb(1, 1, 1));
        QCOMPARE(work.question("Vraag?"), QString("De kaart is nog niet opgeslagen.\nVraag?"));
        work.markSaved();
        fillBoth(history, card, qRgb(1, 1, 1)); // no pixel changed: still saved
        QVERIFY(!work.unsaved());
        fillBoth(history, card, qRgb(2, 2, 2));
        QVERIFY(work.unsaved());
        history.undo();
        QVERIFY(!work.unsaved());
        history.undo();
        QVERIFY(work.unsaved());
        history.redo();
        QVERIFY(!work.unsaved());
        // A new change after an undo is a new state, even with the same pixels as the one dropped.
        history.undo();
        fillBoth(history, card, qRgb(1, 1, 1));
        QVERIFY(work.unsaved());
    }

    void unsavedWorkSurvivesDroppedSteps()
    {
        CardSurface card(40, 30);
        CardHistory history = plainHistory(card);
        UnsavedWork work(history);
        history.setByteBudget(qint64(1) << 40); // the steps keep their pixels: this card has no document
        const int kept = CardHistory::MaximumSteps;
        for (int i = 0; i <= 2; ++i)
            fillBoth(history, card, qRgb(i, i, i));
        work.markSaved(); // after the third fill
        for (int i = 3; i < kept + 3; ++i)
            fillBoth(history, card, qRgb(i % 256, i / 256, i));
        QCOMPARE(history.stack().count(), kept); // the first three steps are gone
        QVERIFY(work.unsaved());
        for (int i = 0; i < kept; ++i) {
            QVERIFY(work.unsaved());
            history.undo();
        }
        QCOMPARE(card.image().pixel(0, 0), qRgb(2, 2, 2));
        QVERIFY(!work.unsaved());
        for (int i = 0; i < 3; ++i)
            history.redo();
        QVERIFY(work.unsaved());
        // A saved state that was dropped is never reached again.
        work.markSaved();
        for (int i = 0; i <= kept; ++i)
            fillBoth(history, card, qRgb(i % 256, 255, i / 256));
        while (history.stack().canUndo()) {
            history.undo();
            QVERIFY(work.unsaved());
        }
    }
};

PRENTVEL_TEST(CardHistoryTest)
#include "CardHistoryTest.moc"
