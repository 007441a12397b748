#include "common/TestRegistry.h"

#include "app/Main.h"
#include "drawing/ColorKeuze.h"
#include "drawing/ColorKeuzeWindow.h"
#include "drawing/PaletteColors.h"
#include "platform/PictureBox.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

class PaletteWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hexAndCellColours()
    {
        QCOMPARE(HexKleur(0, 10, 255), QString("000AFF"));
        QCOMPARE(HexKleur(16, 1, 171), QString("1001AB"));
        QCOMPARE(paletteCellColor(0), (Rgb{255, 255, 255}));
        QCOMPARE(paletteCellColor(15), (Rgb{0, 0, 0}));
        QCOMPARE(paletteCellColor(31), (Rgb{16, 0, 0}));
        QCOMPARE(paletteCellColor(111), (Rgb{16, 0, 16}));
    }

    void pointerShowsTheColourAndAnyButtonPicks()
    {
        Rgb picked;
        ColorKeuze window(picked);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseMove(window.Picture1, QPoint(18, 6));
        QCOMPARE(picked, (Rgb{255, 0, 0}));
        QCOMPARE(window.Picture1->toolTip(), QString(" 255,0,0 / #FF0000 "));
        QTest::mouseMove(window.Picture1, QPoint(66, 186));
        QCOMPARE(picked, (Rgb{0, 16, 16}));
        QVERIFY(window.isVisible());

        // The white line between two cells picks white.
        QTest::mousePress(window.Picture1, Qt::RightButton, {}, QPoint(24, 100));
        QCOMPARE(picked, (Rgb{255, 255, 255}));
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QVERIFY(!window.isVisible());
    }

    void closingByTheFrameKeepsTheLastColourAndOpensAtItsPlace()
    {
        Main main;
        QPoint position;
        const auto closeByFrame = [&position] {
            QWidget* window = QApplication::activeModalWidget();
            position = window->pos();
            window->close();
        };
        QTimer::singleShot(0, closeByFrame);
        openColorPalette(main.context(), 9660, 1920);
        QCOMPARE(main.state.paletteColor, (Rgb{0, 0, 0}));
        QCOMPARE(position, QPoint(644, 128));

        main.state.paletteColor = {32, 0, 32};
        QTimer::singleShot(0, closeByFrame);
        openColorPalette(main.context(), 0, 0);
        QCOMPARE(main.state.paletteColor, (Rgb{32, 0, 32}));
    }
};

PRENTVEL_TEST(PaletteWindowTest)
#include "PaletteWindowTest.moc"
