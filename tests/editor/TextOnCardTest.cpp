#include "app/Main.h"
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"
#include "editor/TextPlacer.h"
#include "EditorTestSupport.h"
#include "platform/ClickableLabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
const std::uint32_t Red = RGB(255, 0, 0);
const std::uint32_t Blue = RGB(0, 0, 255);

// Draws the halo in red and the text in blue.
void prepare(Main& main, const QString& text)
{
    main.Text1->setText(text);
    main.ListFonts->setCurrentText("DejaVu Sans");
    main.ComboSize->setCurrentText("20");
    main.state.drawColor = Rgb::fromValue(Red);
    main.state.fillColor = Rgb::fromValue(Blue);
}
}

class TextOnCardTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void plaatsNeedsTextAndAValidSize()
    {
        Main main;
        ScriptedDialogs dialogs;
        prepare(main, "   ");
        main.PlaatsKnop->click();
        main.Text1->setText("HHHH");
        main.ComboSize->setCurrentText("groot");
        main.PlaatsKnop->click();
        QVERIFY(!main.state.placingText);
        QCOMPARE(main.history.stack().count(), 0);
        QCOMPARE(dialogs.messages.size(), 1);

        main.ComboSize->setCurrentText(" 20 ");
        main.card.filledBox(0, 0, 9, 9, Red);
        main.PlaatsKnop->click();
        QVERIFY(main.state.placingText && !main.Label12->isHidden());
        QCOMPARE(main.Label12->text(), QStringLiteral("HHHH "));
        QCOMPARE(main.history.stack().count(), 0); // only the text placed is a change
    }

    void horizontalTextLandsWhereThePreviewStood()
    {
        Main main;
        prepare(main, "HHHH");
        for (bool outline : {false, true}) {
            main.Check1->setChecked(outline);
            main.PlaatsKnop->click();
            movePreview(main.context(), 300, 200);
            const QRect preview = main.Label12->geometry();
            QCOMPARE(preview.bottomRight(), QPoint(294, 194));
            placeTextAt(main.context(), 300, 200);
            const QImage& card = main.card.image();
            QVERIFY(preview.contains(inkBounds(card, Blue)));
            QCOMPARE(inkBounds(card, Red).isEmpty(), !outline);
            QVERIFY(preview.adjusted(-2, -2, 2, 2).contains(inkBounds(card)));
            main.ToolsUndo_Click();
            QCOMPARE(inkBounds(main.card.image()), QRect());
        }
    }

    void markupIsPreviewedAsTheCardGetsIt()
    {
        Main main;
        prepare(main, "<b>HH</b>");
        main.PlaatsKnop->click();
        movePreview(main.context(), 300, 200);
        const QRect preview = main.Label12->geometry();
        placeTextAt(main.context(), 300, 200);
        QVERIFY(preview.adjusted(-2, -2, 2, 2).contains(inkBounds(main.card.image())));
    }

    void typedSizesAndFontsStayOutOfTheLists()
    {
        Main main;
        for (QComboBox* box : {main.ComboSize, main.ListFonts}) {
            const int items = box->count();
            box->setFocus();
            box->lineEdit()->selectAll();
            QTest::keyClicks(box->lineEdit(), "77");
            QTest::keyClick(box->lineEdit(), Qt::Key_Return);
            QCOMPARE(box->count(), items);
            QCOMPARE(box->currentText(), QString("77"));
        }
    }

    void verticalTextRunsUpwardFromItsReferencePoint()
    {
        Main main;
        prepare(main, "HHHHHHHH");
        main.CheckVer->setChecked(true);
        main.PlaatsKnop->click();
        placeTextAt(main.context(), 202, 302); // reference point (200, 300)
        const QRect ink = inkBounds(main.card.image());
        QVERIFY(ink.height() > 3 * ink.width());
        QVERIFY(ink.left() >= 200 && ink.left() <= 206 && ink.bottom() <= 300 && ink.bottom() >= 294);
    }
};

PRENTVEL_TEST(TextOnCardTest)
#include "TextOnCardTest.moc"
