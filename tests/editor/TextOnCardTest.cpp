#include "app/Main.h"
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"
#include "editor/TextPlacer.h"
#include "editor/TextPrinting.h"
#include "EditorTestSupport.h"
#include "platform/ClickableLabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
const std::uint32_t Red = RGB(255, 0, 0);
const std::uint32_t Blue = RGB(0, 0, 255);

// A main window with a short text, a red drawing colour and a blue fill colour.
void prepare(Main& main)
{
    main.Text1->setText("HHHH");
    main.ListFonts->setCurrentText("DejaVu Sans");
    main.ComboSize->setCurrentText("20");
    main.state.drawColor = Rgb::fromValue(Red);
    main.state.fillColor = Rgb::fromValue(Blue);
}
}

class TextOnCardTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void plaatsStartsPlacingOnlyWithTextAndAValidSize()
    {
        QCOMPARE(parseTextSize(" 22 "), std::optional<int>(22));
        for (const char* bad : {"0", "1000", "12.5", "abc", "", "-4"})
            QCOMPARE(parseTextSize(bad), std::nullopt);

        Main main;
        ScriptedDialogs dialogs;
        prepare(main);
        main.Text1->setText("   ");
        main.PlaatsKnop->click();
        QVERIFY(!main.state.placingText);

        main.Text1->setText("HHHH");
        main.ComboSize->setCurrentText("groot");
        main.PlaatsKnop->click();
        QVERIFY(!main.state.placingText);
        QVERIFY(main.Backup.isNull());
        QCOMPARE(dialogs.messages.size(), 1);

        main.ComboSize->setCurrentText("20");
        main.card.filledBox(0, 0, 9, 9, Red);
        main.PlaatsKnop->click();
        QVERIFY(main.state.placingText);
        QVERIFY(!main.Label12->isHidden());
        QCOMPARE(main.Label12->text(), QStringLiteral("HHHH "));
        QCOMPARE(main.InfoLabel->text(), QStringLiteral("Klik op de linkermuisknop om de tekst te plaatsen"));
        QCOMPARE(main.Backup, main.card.image());

        Q_EMIT main.Text1->doubleClicked();
        QVERIFY(main.Text1->text().isEmpty());
    }

    void horizontalTextLandsWhereThePreviewStood()
    {
        Main main;
        ScriptedDialogs dialogs;
        prepare(main);
        main.PlaatsKnop->click();
        movePreview(main, 300, 200);
        const QRect preview = main.Label12->geometry();
        QCOMPARE(preview.bottomRight(), QPoint(300 - 5 - 1, 200 - 5 - 1));
        placeTextAt(main, 300, 200);
        const QImage& card = main.card.image();
        QVERIFY(hasColor(card, Blue));
        QVERIFY(!hasColor(card, Red));
        QVERIFY(preview.contains(inkBounds(card)));

        main.ToolsUndo_Click();
        QCOMPARE(inkBounds(main.card.image()), QRect());

        main.Check1->setChecked(true);
        main.PlaatsKnop->click();
        movePreview(main, 300, 200);
        placeTextAt(main, 300, 200);
        QVERIFY(hasColor(card, Blue));
        QVERIFY(hasColor(card, Red));
        QVERIFY(preview.adjusted(-2, -2, 2, 2).contains(inkBounds(card)));
        // The halo lies around the glyphs: a row through the text meets red first.
        const QRect ink = inkBounds(card);
        int x = ink.left();
        while (pixelAt(card, x, ink.center().y()) == RGB(255, 255, 255))
            ++x;
        const QColor first = colorFromValue(pixelAt(card, x, ink.center().y()));
        QVERIFY(first.red() > first.blue());
    }

    void verticalTextRunsUpwardFromItsReferencePoint()
    {
        Main main;
        ScriptedDialogs dialogs;
        prepare(main);
        main.Text1->setText("HHHHHHHH");
        main.CheckVer->setChecked(true);
        main.Check1->setChecked(true);
        main.PlaatsKnop->click();
        placeTextAt(main, 202, 302);
        const QRect ink = inkBounds(main.card.image());
        QVERIFY(!ink.isEmpty());
        QVERIFY(ink.height() > 3 * ink.width());
        QVERIFY2(ink.left() >= 200 - 2 && ink.left() <= 200 + 6, qPrintable(QString::number(ink.left())));
        QVERIFY2(ink.bottom() <= 300 + 2 && ink.bottom() >= 300 - 6, qPrintable(QString::number(ink.bottom())));
        QVERIFY(hasColor(main.card.image(), Blue));
        QVERIFY(hasColor(main.card.image(), Red));
    }
};

PRENTVEL_TEST(TextOnCardTest)
#include "TextOnCardTest.moc"
