// Placed texts stay editable: selecting one by a click, changing it from the
// text panel, moving it and removing it each give exactly the card that
// placing the changed text from the start gives.
#include "app/Main.h"
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"
#include "drawing/DrawingOperations.h"
#include "editor/CardEditing.h"
#include "editor/TextOperation.h"
#include "editor/TextSelection.h"
#include "EditorTestSupport.h"
#include "platform/ClickableLabel.h"
#include "platform/PictureBox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

const TextFont Face{QStringLiteral("Liberation Sans"), 24};
const TextInk Ink{true, RGB(0, 0, 0), RGB(255, 255, 0)};

Operation text(const QString& words, QPoint at, TextFont font = Face, TextInk ink = Ink)
{
    return std::make_shared<TextOperation>(words, font, ink, false, at);
}

bool sameCard(const Main& a, const Main& b)
{
    return a.card.image() == b.card.image() && a.card.printImage() == b.card.printImage();
}

void click(Main& main, QPoint at)
{
    QTest::mouseClick(main.Voorkant, Qt::LeftButton, {}, at);
}

}

class TextSelectionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aClickSelectsTheTextOnTopUnlessSomethingCoversIt()
    {
        Main main;
        main.LayoutKaart_Click(18);
        addOperation(main.context(), text("Eerste", {40, 40}, TextFont{QStringLiteral("Geen Zulk Lettertype"), 24}));
        addOperation(main.context(), text("Tweede", {60, 50}));   // over the first
        addOperation(main.context(), text("Onder", {300, 40}));
        addOperation(main.context(), std::make_shared<ToolStroke>(DrawingTool::FilledRectangle,
                                                                   StrokeStyle{{0, 0, 255}, {0, 0, 255}, 1, 0, 0},
                                                                   std::vector<QPointF>{{290, 30}, {400, 90}}));
        addOperation(main.context(), text("Gekrast", {40, 200}));
        addOperation(main.context(), std::make_shared<ToolStroke>(DrawingTool::Freehand,
                                                                   StrokeStyle{{255, 0, 0}, {0, 0, 0}, 3, 0, 0},
                                                                   std::vector<QPointF>{{30, 210}, {200, 215}}));
        const QImage before = main.card.image().copy();
        click(main, {70, 60});
        QCOMPARE(selectedText(main.state), 1); // the one placed last
        QCOMPARE(main.Text1->text(), QString("Tweede"));
        QCOMPARE(main.ComboSize->currentText(), QString("24"));
        QVERIFY(main.Check1->isChecked());
        QCOMPARE(main.InfoLabel->text(), QString::fromUtf8(TextSelectedMessage));
        QVERIFY(!main.Voorkant->selectionRectangle().isEmpty());
        QCOMPARE(main.card.image(), before); // the rectangle is the view's, never the card's
        click(main, {45, 45});
        QCOMPARE(selectedText(main.state), 0);
        QCOMPARE(main.ListFonts->currentText(), QString("Geen Zulk Lettertype")); // substituted, but named as chosen
        click(main, {310, 50});
        QCOMPARE(selectedText(main.state), -1); // under the filled rectangle
        QVERIFY(main.Voorkant->selectionRectangle().isEmpty());
        click(main, {50, 210});
        QCOMPARE(selectedText(main.state), 4); // a later stroke does not hide it
        QTest::keyClick(main.Voorkant, Qt::Key_Escape);
        QCOMPARE(selectedText(main.state), -1);
        Q_EMIT main.textStepChosen(2); // picked in the list of steps
        QCOMPARE(main.Text1->text(), QString("Onder"));
        QTest::keyClick(main.Voorkant, Qt::Key_Escape);
        // In the drawing layout a chosen tool draws instead.
        click(main, {50, 210});
        main.PlaatsKnop->click();
        QCOMPARE(selectedText(main.state), -1);
    }

    // Each change of the panel redraws the text as if it had been placed so.
    void thePanelChangesTheSelectedText()
    {
        Main main, placed;
        for (Main* m : {&main, &placed})
            m->LayoutKaart_Click(18);
        addOperation(main.context(), text("Hallo", {50, 80}));
        const auto later = [] {
            return std::make_shared<ToolStroke>(DrawingTool::Freehand, StrokeStyle{{0, 0, 200}, {0, 0, 0}, 4, 0, 0},
                                                std::vector<QPointF>{{30, 100}, {300, 120}, {400, 300}});
        };
        addOperation(main.context(), later());
        qint64 now = 0;
        main.history.setClock([&now] { return now; });
        const int steps = main.history.stack().count();
        click(main, {60, 90});
        const QImage screen = main.card.image().copy(), print = main.card.printImage().copy();
        for (const QString& words : {"Hallo ", "Hallo w", "Hallo wereld"}) {
            now += 300;
            main.Text1->setText(words); // letters typed without a pause: one step
        }
        // The screen copy follows each letter; the print copy and the step come when typing pauses.
        QVERIFY(main.card.image() != screen);
        QCOMPARE(main.card.printImage(), print);
        QTRY_COMPARE(main.history.stack().count(), steps + 1);
        QVERIFY(main.card.printImage() != print);
        now += 2000;
        main.ComboSize->setCurrentText("30");
        main.CheckBold->setChecked(true);
        main.CheckItalic->setChecked(true);
        main.state.fillColor = Rgb{200, 0, 100};
        textPanelChanged(main.context());
        // A size that is not a number changes nothing and shows red.
        main.ComboSize->setCurrentText("groot");
        QCOMPARE(main.ComboSize->palette().color(QPalette::Base), QColor(255, 150, 150));
        finishTextEditing(main.context());
        addOperation(placed.context(), text("Hallo wereld", {50, 80}, TextFont{Face.name, 30, true, true},
                                            TextInk{true, RGB(0, 0, 0), RGB(200, 0, 100)}));
        addOperation(placed.context(), later());
        QVERIFY(sameCard(main, placed));
        // Emptied, the text stays selected and undrawn; deselected so, it goes, as one step.
        main.Text1->clear();
        QCOMPARE(selectedText(main.state), 0);
        const int before = main.history.stack().count();
        QTest::keyClick(main.Voorkant, Qt::Key_Escape);
        QCOMPARE(main.state.document.size(), 1);
        QCOMPARE(main.history.stack().count(), before + 1);
        main.ToolsUndo_Click();
        main.ToolsUndo_Click();
        QCOMPARE(main.state.document.size(), 2);
    }

    // A drag or the arrow keys move it exactly as placing it there; Delete removes it.
    void aTextMovesAndGoesExactly()
    {
        Main main, placed, without;
        const auto build = [](Main& m, QPoint at, bool withText) {
            m.LayoutKaart_Click(18);
            addOperation(m.context(), std::make_shared<FrameOperation>(FrameOperation::Centre, 1));
            if (withText)
                addOperation(m.context(), text("Groet", at));
            addOperation(m.context(), std::make_shared<ToolStroke>(DrawingTool::Fill, StrokeStyle{{0, 0, 0}, {90, 90, 250}, 1, 0, 0},
                                                                   std::vector<QPointF>{{5, 5}}));
        };
        build(main, {200, 160}, true);
        build(placed, {200 + 15 + 1 - 10, 160 + 7 + 10}, true);
        build(without, {}, false);
        QTest::mousePress(main.Voorkant, Qt::LeftButton, {}, {220, 175});
        QTest::mouseMove(main.Voorkant, {228, 178});
        QTest::mouseMove(main.Voorkant, {235, 182});
        QTest::mouseRelease(main.Voorkant, Qt::LeftButton, {}, {235, 182});
        QTest::keyClick(main.Voorkant, Qt::Key_Right);
        QTest::keyClick(main.Voorkant, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(main.Voorkant, Qt::Key_Left, Qt::ShiftModifier);
        QVERIFY(sameCard(main, placed));
        QTest::keyClick(main.Voorkant, Qt::Key_Delete);
        QVERIFY(sameCard(main, without));
        main.ToolsUndo_Click();
        QVERIFY(sameCard(main, placed));
    }
};

PRENTVEL_TEST(TextSelectionTest)
#include "TextSelectionTest.moc"
