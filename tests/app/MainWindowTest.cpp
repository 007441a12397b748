#include "app/Main.h"
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"
#include "editor/EditorTestSupport.h"
#include "editor/CardLayouts.h"
#include "editor/ClockAndHelp.h"
#include "platform/DesktopShell.h"
#include "platform/EventPump.h"
#include "platform/PictureBox.h"
#include "platform/Wait.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
const std::uint32_t White = RGB(255, 255, 255);

QAction* action(Main& main, const QString& name)
{
    return main.findChild<QAction*>(name);
}

bool sameCard(const Main& main, const QImage& image)
{
    return main.card.image() == image;
}
}

class MainWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsWithTheDesignedState()
    {
        Main main;
        QCOMPARE(main.windowTitle(), QString(" Prentvel"));
        QCOMPARE(main.card.image().pixel(100, 100) & 0xFFFFFF, 0xFFFFFFu);
        QVERIFY(action(main, "LayoutKaart_1")->isChecked());
        QVERIFY(action(main, "ToolsColorLayer_3")->isChecked());
        for (int n = 1; n <= 12; ++n)
            QVERIFY(!main.findChild<QPushButton*>(QStringLiteral("Knop_%1").arg(n))->isEnabled());
        QCOMPARE(main.findChild<QLabel*>("Label3")->palette().color(QPalette::Window), QColor(0, 0, 0));
        QCOMPARE(main.findChild<QLabel*>("Label4")->palette().color(QPalette::Window), QColor(255, 255, 0));
        QCOMPARE(main.findChild<QLabel*>("InfoLabel")->text(), QString("Kies een layout..."));
        auto* sizes = main.findChild<QComboBox*>("ComboSize");
        QCOMPARE(sizes->currentText(), QString("22"));
        QCOMPARE(sizes->count(), 47);
        QCOMPARE(sizes->itemText(46), QString("100"));
        QCOMPARE(main.findChild<QComboBox*>("ListFonts")->currentText(), QString("Arial"));
        QCOMPARE(main.state.jpegQuality, 90);
        QCOMPARE(main.printSettings.labelsPerSheet, 21);
        QCOMPARE(main.Voorkant->size(), QSize(515, 365));
        // Every indexed menu entry carries its name and index.
        for (const char* name : {"EditConvert_0", "EditConvert_17", "EditSwap_5", "EditFlipConvert_4", "GradientRichting_5",
                                 "EditLijstrand_10", "FileSaveAs_2", "LayoutKaart_19", "NaamEnGrootte", "HelpZilverhoek"})
            QVERIFY2(action(main, name), name);
        QCOMPARE(action(main, "EditConvert_7")->text(), QString::fromUtf8("Reliëf"));
        QCOMPARE(action(main, "NaamEnGrootte")->text(), QString("*.*"));
        // Redo stands right below Undo; both are greyed while there is nothing to do.
        const QList<QAction*> tools = main.Tools->actions();
        QCOMPARE(tools.indexOf(main.ToolsRedo), tools.indexOf(main.ToolsUndo) + 1);
        QCOMPARE(main.ToolsRedo->text(), QString("Redo"));
        QVERIFY(!main.ToolsUndo->isEnabled() && !main.ToolsRedo->isEnabled());
        QCOMPARE(main.ToolsRedo->shortcuts(), QList<QKeySequence>({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
        // "Foto's bijsnijden" comes last, after a separator below "Adreszijde", and is off.
        const QList<QAction*> layouts = main.layout->actions();
        QCOMPARE(layouts.last(), main.LayoutBijsnijden);
        QVERIFY(layouts.at(layouts.size() - 2)->isSeparator());
        QCOMPARE(layouts.at(layouts.size() - 3), main.LayoutKaart[19]);
        QCOMPARE(main.LayoutBijsnijden->text(), QString("Foto's bijsnijden"));
        QVERIFY(main.LayoutBijsnijden->isCheckable() && !main.LayoutBijsnijden->isChecked());
    }

    void framesFollowTheLayoutRulesThroughTwoRounds_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QList<QPoint>>("frames");
        QTest::newRow("1") << 1 << QList<QPoint>{{0, 0}};
        QTest::newRow("2") << 2 << QList<QPoint>{{50, 50}};
        QTest::newRow("3") << 3 << QList<QPoint>{{0, 0}, {259, 0}};
        QTest::newRow("4") << 4 << QList<QPoint>{{0, 60}, {259, 60}};
        QTest::newRow("5") << 5 << QList<QPoint>{{30, 30}, {225, 150}};
        QTest::newRow("6") << 6 << QList<QPoint>{{20, 20}, {170, 120}, {320, 220}};
        QTest::newRow("7") << 7 << QList<QPoint>{{0, 0}, {259, 0}, {0, 183}, {259, 183}};
        QTest::newRow("8") << 8 << QList<QPoint>{{0, 0}, {259, 0}, {0, 183}, {259, 183}, {129, 91}};
        QTest::newRow("9") << 9 << QList<QPoint>{{0, 0}, {173, 0}, {346, 0}, {0, 123}, {173, 123}, {346, 123}, {0, 246}, {173, 246}, {346, 246}};
    }
    void framesFollowTheLayoutRulesThroughTwoRounds()
    {
        QFETCH(int, layout);
        QFETCH(QList<QPoint>, frames);
        const CardLayout* chosen = photoLayout(layout);
        double x = chosen->firstX, y = chosen->firstY;
        for (int round = 0; round < 2; ++round) {
            for (const QPoint& expected : frames) {
                QCOMPARE(QPoint(int(x), int(y)), expected);
                advanceFrame(layout, x, y);
            }
        }
        QCOMPARE(QPoint(int(x), int(y)), frames.first());
    }

    void choosingLayoutsSetsFrameCaptionsAndTools()
    {
        Main main;
        main.card.line(0, 0, 10, 0, RGB(255, 0, 0));
        main.LayoutKaart_Click(4);
        QCOMPARE(main.state.frameY, 60.0);
        QCOMPARE(main.state.frameWidth, 258.0);
        QCOMPARE(main.InfoLabel->text(), QString("Selecteer achtereenvolgens 2 foto's uit het bestand"));
        QVERIFY(main.LayoutKaart[4]->isChecked() && !main.LayoutKaart[1]->isChecked());
        QCOMPARE(main.card.point(5, 0), qint64(RGB(255, 0, 0))); // choosing a layout keeps the card

        main.LayoutKaart_Click(18);
        QVERIFY(main.Knop[1]->isEnabled() && main.Knop[12]->isEnabled());
        QCOMPARE(main.state.frameY, 60.0);
        main.state.currentTool = 5;
        main.LayoutKaart_Click(2);
        QVERIFY(!main.Knop[5]->isEnabled());
        QCOMPARE(main.state.currentTool, 0);
        QCOMPARE(main.Label1->text(), QString("Tekenknoppen"));
    }

    void addressSideIsDrawnAtTheExactPixels()
    {
        Main main;
        main.LayoutKaart_Click(18);
        main.card.line(0, 0, 514, 364, RGB(255, 0, 0));
        main.card.line(0, 364, 514, 0, RGB(0, 255, 0));
        const QImage before = main.card.image();
        main.LayoutKaart_Click(19);
        QCOMPARE(main.InfoLabel->text(), QString());
        const std::uint32_t black = RGB(0, 0, 0), grey = RGB(90, 90, 90), light = RGB(220, 220, 220);
        const auto at = [&](int x, int y) { return main.card.point(x, y); };
        QCOMPARE(at(250, 10), qint64(black));
        QCOMPARE(at(251, 355), qint64(black));
        QCOMPARE(at(252, 100), qint64(White));
        QCOMPARE(at(250, 9), qint64(White));
        QCOMPARE(at(435, 15), qint64(grey));
        QCOMPARE(at(498, 90), qint64(grey));
        QCOMPARE(at(466, 50), qint64(light));
        QCOMPARE(at(499, 50), qint64(White));
        for (int y : {190, 230, 270, 310}) {
            QCOMPARE(at(270, y), qint64(grey));
            QCOMPARE(at(490, y), qint64(grey));
            QCOMPARE(at(491, y), qint64(White));
        }
        QCOMPARE(at(20, 310), qint64(grey));
        QCOMPARE(at(230, 310), qint64(grey));
        QCOMPARE(at(100, 300), qint64(White)); // the earlier drawings are gone
        // Clearing a card with something on it is a change: undo brings back the
        // card just before, in the drawing layout with its tool buttons.
        main.ToolsUndo_Click();
        QVERIFY(sameCard(main, before));
        QVERIFY(main.LayoutKaart[18]->isChecked() && !main.LayoutKaart[19]->isChecked());
        QVERIFY(main.Knop[1]->isEnabled());
        QCOMPARE(main.state.currentLayout, 18);
        QCOMPARE(main.InfoLabel->text(), layoutInfoText(18));
    }

    void newCardIsOneStepAndLayoutChoicesAreNone()
    {
        Main main;
        ScriptedDialogs dialogs;
        main.card.line(0, 5, 100, 5, RGB(0, 0, 255));
        const QImage drawn = main.card.image();
        main.LayoutKaart_Click(7);
        main.LayoutKaart_Click(19);
        main.ToolsUndo_Click(); // back to layout 7, the card as drawn
        QCOMPARE(main.history.stack().count(), 1);
        advanceFrame(7, main.state.frameX, main.state.frameY);

        dialogs.answers = {false};
        main.FileNieuw_Click();
        QCOMPARE(main.state.currentLayout, 7);
        QCOMPARE(dialogs.messages.last().text, QString("Wilt u een nieuwe kaart ontwerpen?"));
        QCOMPARE(dialogs.messages.last().title, QString(" Nieuw"));

        dialogs.answers = {true};
        main.FileNieuw_Click();
        QCOMPARE(main.card.point(50, 5), qint64(White));
        QCOMPARE(main.state.currentLayout, 1);
        QCOMPARE(main.state.frameX, 0.0);
        QCOMPARE(main.state.frameWidth, 515.0);
        QVERIFY(main.LayoutKaart[1]->isChecked() && !main.LayoutKaart[7]->isChecked());
        QCOMPARE(main.InfoLabel->text(), QString("Kies een layout..."));

        // The new card replaced the address-side step that could be redone.
        QCOMPARE(main.history.stack().count(), 1);
        main.ToolsUndo_Click();
        QVERIFY(sameCard(main, drawn));
        QCOMPARE(main.state.currentLayout, 7);
        QCOMPARE(QPointF(main.state.frameX, main.state.frameY), QPointF(259, 0));
        QVERIFY(main.LayoutKaart[7]->isChecked() && !main.LayoutKaart[1]->isChecked());
        QVERIFY(!main.ToolsUndo->isEnabled());
        main.ToolsUndo_Click(); // nothing left: nothing happens
        QVERIFY(sameCard(main, drawn));
        main.ToolsRedo_Click();
        QCOMPARE(inkBounds(main.card.image()), QRect());
        QCOMPARE(main.state.currentLayout, 1);
        QCOMPARE(main.InfoLabel->text(), QString("Kies een layout..."));
    }

    void theCardUndoesOnCtrlZWithoutShift()
    {
        Main main;
        const QImage white = main.card.image();
        {
            CardHistory::Change change(main.history);
            main.card.line(0, 0, 514, 0, RGB(0, 0, 0));
        }
        QTest::keyClick(main.Voorkant, Qt::Key_Z);
        QTest::keyClick(main.Voorkant, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(main.card.point(10, 0), qint64(0));
        QTest::keyClick(main.Voorkant, Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(sameCard(main, white));
    }

    void exitAsksAndStaysOnNo()
    {
        Main main;
        ScriptedDialogs dialogs;
        main.show();
        dialogs.answers = {false};
        main.FileExit->trigger();
        QVERIFY(main.isVisible());
        QCOMPARE(dialogs.messages.last().text, QString("Wilt u dit programma nu afsluiten?"));
        QCOMPARE(dialogs.messages.last().title, QString(" Exit programma"));
        dialogs.answers = {true};
        main.close();
        QVERIFY(!main.isVisible());
    }

    void helpTextTogglesOverTheCard()
    {
        Main main;
        main.show();
        main.HelpHelp->trigger();
        QVERIFY(main.HelpLabel->isVisible());
        QVERIFY(!main.Voorkant->isVisible());
        QVERIFY(main.HelpHelp->isChecked());
        const QStringList lines = main.HelpLabel->text().split("\r\n");
        QCOMPARE(lines.size(), 17); // sixteen lines, each ended by CR LF
        QCOMPARE(lines.at(10), QString());
        QCOMPARE(lines.at(15), QString("        5. Print of save(opslaan) de gemaakte kaart op uw schijf"));
        main.HelpHelp->trigger();
        QVERIFY(!main.HelpLabel->isVisible());
        QVERIFY(main.Voorkant->isVisible());
        QVERIFY(!main.HelpHelp->isChecked());
    }

    void linksOpenThroughTheDesktopOrSayWhyNot()
    {
        Main main;
        ScriptedDialogs dialogs;
        QStringList opened;
        bool desktopOpens = true;
        DesktopShell::setOpener([&](const QString& target) {
            opened << target;
            return desktopOpens;
        });
        QAction* const entries[] = {main.HelpHelppdf, main.HelpSoftware, main.HelpZilverhoek, main.HelpDownload};
        for (QAction* entry : entries)
            entry->trigger();
        QCOMPARE(opened.size(), 4);
        QVERIFY(opened.at(0).endsWith("/help.pdf"));
        for (int i = 1; i < 4; ++i)
            QVERIFY(opened.at(i).startsWith("https://"));
        QVERIFY(dialogs.messages.isEmpty());

        // Nothing on the desktop can open them: each message names what was asked for.
        desktopOpens = false;
        for (QAction* entry : entries)
            entry->trigger();
        QCOMPARE(dialogs.messages.size(), 4);
        QVERIFY(dialogs.messages.at(0).text.startsWith("Het bestand "));
        for (int i = 0; i < 4; ++i)
            QVERIFY2(dialogs.messages.at(i).text.contains(opened.at(i)), qPrintable(dialogs.messages.at(i).text));
        QVERIFY(dialogs.messages.at(1).text.startsWith("Het adres https://"));

        // Without a test opener a missing manual is reported, not handed to the desktop.
        DesktopShell::setOpener({});
        QVERIFY(!OpenDocument(QDir(QDir::tempPath()).filePath("bestaat-niet/help.pdf")));
    }

    void closeDuringAFilterIsAskedOnceTheFilterIsDone()
    {
        ScriptedDialogs dialogs;
        QPointer<Main> main = new Main;
        main->setAttribute(Qt::WA_DeleteOnClose);
        main->show();
        main->card.filledBox(0, 0, 200, 200, RGB(200, 0, 0));
        // The close request arrives with the events the filter lets run.
        int pumped = 0;
        qsizetype askedDuringFilter = 0;
        EventPump::setHook([&] {
            if (++pumped == 10)
                QTimer::singleShot(0, main, [&] { main->close(); });
            QCoreApplication::processEvents();
            askedDuringFilter = std::max(askedDuringFilter, dialogs.messages.size());
        });
        dialogs.answers = {true};
        main->EditConvert[10]->trigger(); // Blur
        EventPump::setHook({});
        QVERIFY(pumped > 10);
        QCOMPARE(askedDuringFilter, qsizetype(0));
        QVERIFY(main);
        QVERIFY(main->card.point(200, 100) != qint64(RGB(200, 0, 0))); // the filter ran to its end
        QVERIFY(!main->BarTimer->isActive() && main->Bar->isHidden());
        QTRY_COMPARE(dialogs.messages.size(), qsizetype(1));
        // The filter changed the card, which was never saved.
        QCOMPARE(dialogs.messages.first().text, QString("De kaart is nog niet opgeslagen.\nWilt u dit programma nu afsluiten?"));
        QTRY_VERIFY(main.isNull());
    }

    void filterChosenDuringAFilterIsRefused()
    {
        Main main;
        main.card.filledBox(0, 0, 514, 364, RGB(10, 20, 30));
        bool nested = false, stripKept = false;
        EventPump::setHook([&] {
            if (nested)
                return;
            nested = true;
            main.EditConvert[1]->trigger(); // Negative, while Grayscale runs
            stripKept = !main.Bar->isHidden() && main.BarTimer->isActive();
        });
        main.EditConvert[0]->trigger();
        EventPump::setHook({});
        QVERIFY(nested && stripKept);
        const QRgb grey = main.card.image().pixel(5, 5);
        QVERIFY(qRed(grey) == qGreen(grey) && qRed(grey) < 128); // grey, not negative
    }

    void transparantStopsTheProgressTimer()
    {
        Main main;
        main.EditConvert[16]->trigger();
        QVERIFY(!main.BarTimer->isActive());
        QVERIFY(main.Bar->isHidden());
    }

    void toolCaptionGetsItsFullWidthBack()
    {
        Main main;
        main.LayoutKaart_Click(18);
        main.Knop[8]->click(); // Spray: a short name
        QCOMPARE(main.Label1->text(), QString("Spray"));
        main.LayoutKaart_Click(18);
        QCOMPARE(main.Label1->text(), QString("Tekenknoppen"));
        QVERIFY(main.Label1->width() >= main.Label1->sizeHint().width());
        main.Knop[2]->click();
        ScriptedDialogs dialogs;
        dialogs.answers = {true};
        main.FileNieuw_Click();
        QVERIFY(main.Label1->width() >= main.Label1->sizeHint().width());
    }

    void clockAndCornerPictures()
    {
        const QDate date(2026, 3, 4);
        QVERIFY(clockCaption(QDateTime(date, QTime(9, 5, 7))).startsWith(" 9:05:07 / "));
        QVERIFY(clockCaption(QDateTime(date, QTime(13, 5, 7))).startsWith(" 13:05:07 / "));
        QVERIFY(clockCaption(QDateTime(date, QTime(13, 5, 7))).contains("2026"));
        QCOMPARE(cornerPictureForSecond(0), 10);
        QCOMPARE(cornerPictureForSecond(5), 10);
        QCOMPARE(cornerPictureForSecond(6), 11);
        QCOMPARE(cornerPictureForSecond(23), 13);
        QCOMPARE(cornerPictureForSecond(24), 0);
        QCOMPARE(cornerPictureForSecond(59), 0);
    }

    void progressStripGrowsToItsFullLengthThenVanishes()
    {
        Main main;
        main.startProgressStrip();
        QVERIFY(main.BarTimer->isActive());
        const std::uint32_t strip = RGB(0, 0, 160);
        main.state.progressPercent = 50;
        main.BarTimer_Timer();
        QCOMPARE(main.barSurface.point(120, 8), qint64(strip));
        QVERIFY(main.barSurface.point(121, 8) != qint64(strip));
        main.state.progressPercent = 99;
        main.BarTimer_Timer();
        QCOMPARE(main.barSurface.point(237, 15), qint64(strip));
        main.state.progressPercent = 100;
        main.BarTimer_Timer();
        QVERIFY(main.barSurface.point(120, 8) != qint64(strip));
        QVERIFY(!main.BarTimer->isActive());
    }

    void waitZeroRunsNoEventAndWaitLetsTimersRun()
    {
        bool fired = false;
        QTimer::singleShot(0, [&] { fired = true; });
        Wacht(0);
        QVERIFY(!fired);
        Wacht(0.05);
        QVERIFY(fired);
    }
};

PRENTVEL_TEST(MainWindowTest)
#include "MainWindowTest.moc"
