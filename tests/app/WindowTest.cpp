// The main window: how it grows, what it remembers, its shortcuts and its
// questions about unsaved work.
#include "app/Main.h"
#include "common/ScriptedDialogs.h"
#include "common/TemporarySettings.h"
#include "common/TestRegistry.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

// How a control follows a larger window: the share of the extra width and
// height added to its place and to its size.
struct Follow {
    const char* name;
    QRect designedTwips; // in its parent
    int moveX, moveY, growWidth, growHeight;
};

const Follow Follows[] = {
    {"Frame1", {90, 0, 8100, 5940}, 0, 0, 1, 1},
    {"BackKaarten", {90, 180, 7920, 5670}, 0, 0, 1, 1},
    {"HelpLabel", {180, 345, 7755, 5445}, 0, 0, 1, 1},
    {"VoorkantScroll", {180, 270, 7725, 5475}, 0, 0, 1, 1},
    {"Frame2", {8295, 0, 3630, 2790}, 1, 0, 0, 0},
    {"Frame4", {8295, 2805, 3630, 3135}, 1, 0, 0, 0},
    {"BackInfo", {90, 6015, 8100, 330}, 0, 1, 1, 0},
    {"InfoLabel", {180, 6075, 5400, 240}, 0, 1, 1, 0},
    {"KlokLabel", {5640, 6075, 2460, 240}, 1, 1, 0, 0},
    {"BackCor", {8295, 6015, 3635, 330}, 1, 1, 0, 0},
    {"CorLabel", {8370, 6075, 3480, 240}, 1, 1, 0, 0},
    {"Bar", {8295, 6015, 3635, 330}, 1, 1, 0, 0},
    {"ProgBar", {8295, 6015, 3635, 330}, 1, 1, 0, 0},
    {"Frame3", {90, 6330, 8100, 915}, 0, 1, 1, 0},
    {"Frame5", {8295, 6330, 3630, 915}, 1, 1, 0, 0},
};

QRect pixels(const QRect& twips)
{
    return {twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()),
            twipsToPixels(twips.height())};
}

QString question(const ScriptedDialogs& dialogs)
{
    return dialogs.messages.isEmpty() ? QString() : dialogs.messages.last().text;
}

}

class WindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private Q_SLOTS:
    void designedPlacesAtTheStartAndTheCardPanelTakesExtraRoom()
    {
        TemporarySettings settings;
        Main main; // never shown: laid out all the same
        QCOMPARE(main.minimumSize(), main.size());
        QCOMPARE(main.centralWidget()->geometry(),
                 QRect(QPoint(0, main.menuBar()->height()), Main::designedClientSize()));
        for (const Follow& control : Follows) {
            auto* widget = main.findChild<QWidget*>(control.name);
            QCOMPARE(widget->geometry(), pixels(control.designedTwips));
        }
        // At the designed size and 100% the card itself stands at its designed place in the panel.
        QCOMPARE(QRect(main.Voorkant->mapTo(main.Frame1, QPoint()), main.Voorkant->size()), pixels({180, 270, 7725, 5475}));

        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const QSize extra(400, 300);
        main.resize(main.size() + extra);
        QCOMPARE(main.centralWidget()->size(), Main::designedClientSize() + extra);
        for (const Follow& control : Follows) {
            auto* widget = main.findChild<QWidget*>(control.name);
            const QRect designed = pixels(control.designedTwips);
            const QRect expected(designed.topLeft() + QPoint(extra.width() * control.moveX, extra.height() * control.moveY),
                                 designed.size() + QSize(extra.width() * control.growWidth, extra.height() * control.growHeight));
            QCOMPARE(widget->geometry(), expected);
        }
        // Controls inside the panels that keep their size stay where they are.
        QCOMPARE(main.Knop[12]->geometry(), pixels({135 + 2 * 570, 225 + 3 * 540, 570, 540}));
        QCOMPARE(main.PlaatsKnop->geometry(), pixels({2640, 2700, 840, 300}));

        main.resize(100, 100); // never below the designed size
        QCOMPARE(main.centralWidget()->size(), Main::designedClientSize());
    }

    void sizeAndPlaceAreRememberedWhenTheWindowCloses()
    {
        TemporarySettings settings;
        ScriptedDialogs dialogs;
        QSize larger;
        {
            Main main;
            main.show();
            QVERIFY(QTest::qWaitForWindowExposed(&main));
            larger = main.size() + QSize(321, 123);
            main.resize(larger);
            dialogs.answers = {true};
            QVERIFY(main.close());
        }
        QCOMPARE(Main().size(), larger);
        {
            Main main;
            main.showMaximized();
            QVERIFY(QTest::qWaitForWindowExposed(&main));
            dialogs.answers = {true};
            QVERIFY(main.close());
        }
        {
            Main main;
            main.show();
            QVERIFY(main.isMaximized());
        }

        QWidget small;
        small.resize(200, 100);
        const QSize designed = Main::designedClientSize();
        for (const QByteArray& stored : {small.saveGeometry(), QByteArray("beschadigd"), QByteArray(64, '\xff')}) {
            Settings::setWindowGeometry(stored);
            Main main;
            QCOMPARE(main.size(), designed + QSize(0, main.menuBar()->height()));
            QCOMPARE(main.Frame1->size(), pixels({0, 0, 8100, 5940}).size());
        }
        // A place beyond every screen (a screen since removed) is brought back onto one.
        QWidget faraway;
        faraway.setGeometry(20000, 20000, 900, 600);
        Settings::setWindowGeometry(faraway.saveGeometry());
        Main main;
        QVERIFY(main.screen()->availableGeometry().intersects(main.geometry()));
    }

    void shortcutsAndTheEditMenu()
    {
        Main main;
        ScriptedDialogs dialogs;
        const std::pair<QAction*, const char*> shortcuts[] = {{main.FileNieuw, "Ctrl+N"}, {main.FileOpen, "Ctrl+O"},
                                                              {main.FileKaartBewaren, "Ctrl+S"}, {main.FileKaartBewarenAls, "Ctrl+Shift+S"},
                                                              {main.FileSaveAs[3], "Ctrl+E"}, {main.FilePrint, "Ctrl+P"},
                                                              {main.FileExit, "Ctrl+Q"}};
        for (const auto& [entry, keys] : shortcuts)
            QCOMPARE(entry->shortcut(), QKeySequence(keys));
        // No key is claimed twice, or neither entry would run.
        QSet<QKeySequence> claimed;
        for (QAction* entry : main.findChildren<QAction*>())
            for (const QKeySequence& keys : entry->shortcuts()) {
                QVERIFY2(!claimed.contains(keys), qPrintable(keys.toString()));
                claimed.insert(keys);
            }

        // The keys reach their entries (those that open no window of their own).
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QTest::keyClick(&main, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(question(dialogs), QString("Wilt u een nieuwe kaart ontwerpen?"));
        QTest::keyClick(&main, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(question(dialogs), QString("Wilt u dit programma nu afsluiten?"));
        QVERIFY(main.isVisible());
        QTest::keyClick(&main, Qt::Key_O, Qt::ControlModifier);
        QTest::keyClick(&main, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(&main, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(dialogs.fileFilters.size(), 3);
        QCOMPARE(dialogs.fileFilters.mid(1), QStringList({"Kaarten|*.prentvel", "Jpg format (*.jpg)|*.jpg"}));

        const QList<QAction*> edit = main.Bewerken->actions();
        QCOMPARE(edit.at(0), main.ToolsUndo);
        QCOMPARE(edit.at(1), main.ToolsRedo);
        QVERIFY(edit.at(2)->isSeparator());
        QVERIFY(main.Tools->actions().contains(main.ToolsUndo));
    }

    void exitAndNieuwWarnAboutUnsavedWork()
    {
        TemporarySettings settings;
        Main main;
        ScriptedDialogs dialogs;
        const QString warning = "De kaart is nog niet opgeslagen.\n";
        const QString exit = "Wilt u dit programma nu afsluiten?", nieuw = "Wilt u een nieuwe kaart ontwerpen?";
        // Asks both questions, answering No, and checks their text and default answer.
        const auto asks = [&](bool unsaved) {
            for (const QString& designed : {exit, nieuw}) {
                designed == exit ? main.FileExit->trigger() : main.FileNieuw_Click();
                QCOMPARE(question(dialogs), (unsaved ? warning : QString()) + designed);
                QCOMPARE(dialogs.messages.last().defaultAnswer, unsaved ? Dialogs::Answer::No : Dialogs::Answer::Yes);
            }
        };
        const auto draw = [&main](int y) {
            CardHistory::Change change(main.history);
            main.card.line(0, y, 514, y, RGB(0, 0, 255));
        };
        asks(false);
        draw(10);
        asks(true);

        // A cancelled or failed save leaves the work unsaved, and so do the flat pictures.
        dialogs.files << QString() << dir.filePath("ontbreekt/kaart.prentvel") << dir.filePath("kaart.jpg");
        main.FileKaartBewaren->trigger();
        main.FileKaartBewaren->trigger();
        main.FileSaveAs[2]->trigger();
        asks(true);
        // The card file is saved work; undoing back to it is unchanged again.
        dialogs.files << dir.filePath("kaart.prentvel");
        main.FileKaartBewaren->trigger();
        asks(false);
        draw(21);
        asks(true);
        main.ToolsUndo_Click();
        asks(false);
        draw(21);

        // A new card has nothing to lose; undoing it brings the unsaved card back.
        dialogs.answers = {true};
        main.FileNieuw_Click();
        asks(false);
        main.ToolsUndo_Click();
        asks(true);
    }
};

PRENTVEL_TEST(WindowTest)
#include "WindowTest.moc"
