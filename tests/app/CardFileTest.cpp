// The card file in the window: a card saved and opened again is the same card
// on both copies of both sides and stays editable; a bad file changes nothing;
// the caption, the recent cards and the recovery of an autosave left behind.
#include "app/CardAutosave.h"
#include "app/Main.h"
#include "common/ScriptedDialogs.h"
#include "common/TemporarySettings.h"
#include "common/TestRegistry.h"
#include "document/CardFile.h"
#include "drawing/DrawingOperations.h"
#include "editor/CardEditing.h"
#include "editor/PhotoAdjusting.h"
#include "editor/PhotoOpen.h"
#include "editor/TextOperation.h"
#include "editor/TextSelection.h"
#include "platform/ClickableLabel.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QLockFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString photoFile(const QString& path)
{
    QImage image(400, 300, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 255 / 400, y * 255 / 300, (x * y) & 0xFF));
    image.save(path, "PNG");
    return path;
}

// Both copies of both sides.
QList<QImage> sides(Main& main)
{
    return {main.sidePicture(CardSide::Front, false), main.sidePicture(CardSide::Front, true),
            main.sidePicture(CardSide::Back, false), main.sidePicture(CardSide::Back, true)};
}

// A front with a photo in layout 3 and a text over it, and a back with a line.
void makeCard(Main& main, const QString& photo)
{
    main.LayoutKaart_Click(3);
    openPhotoFile(main.context(), photo);
    addOperation(main.context(), std::make_shared<TextOperation>(QStringLiteral("Groeten"),
                                                                 TextFont{QStringLiteral("Liberation Sans"), 30, true, false, false},
                                                                 TextInk{false, 0x0000FF, 0xFFFFFF}, false, QPoint(40, 200)));
    main.showSide(CardSide::Back);
    StrokeStyle style;
    style.drawColor = Rgb{200, 0, 0};
    style.lineWidth = 3;
    addOperation(main.context(), std::make_shared<ToolStroke>(DrawingTool::StraightLine, style,
                                                              std::vector<QPointF>{{10, 10}, {300, 200}}));
    main.showSide(CardSide::Front);
}

void drawLine(Main& main, int y)
{
    StrokeStyle style;
    style.drawColor = Rgb{0, 0, 255};
    addOperation(main.context(), std::make_shared<ToolStroke>(DrawingTool::StraightLine, style,
                                                              std::vector<QPointF>{{0, double(y)}, {514, double(y)}}));
}

}

class CardFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private Q_SLOTS:
    void aSavedCardOpensAgainTheSameAndStaysEditable()
    {
        TemporarySettings settings;
        ScriptedDialogs dialogs;
        const QString card = dir.filePath("groet.prentvel");
        QList<QImage> saved;
        {
            Main main;
            makeCard(main, photoFile(dir.filePath("foto.png")));
            QCOMPARE(main.windowTitle(), QString(" Prentvel *"));
            dialogs.files << dir.filePath("groet"); // the suffix is added
            main.FileKaartBewaren->trigger();
            QCOMPARE(main.windowTitle(), QString(" Prentvel - groet.prentvel"));
            saved = sides(main);
            drawLine(main, 5);
            QCOMPARE(main.windowTitle(), QString(" Prentvel - groet.prentvel *"));
            main.ToolsUndo_Click();
            QCOMPARE(main.windowTitle(), QString(" Prentvel - groet.prentvel"));
        }
        Main main;
        dialogs.files << card;
        main.FileOpen->trigger();
        QCOMPARE(dialogs.fileFilters.last(), cardOrPhotoFilter());
        QVERIFY(dialogs.fileFilters.last().startsWith("Kaarten en foto's|*.prentvel;*.jpg;*.jpe;*.jfif;"));
        QCOMPARE(main.windowTitle(), QString(" Prentvel - groet.prentvel"));
        QVERIFY(!main.ToolsUndo->isEnabled());
        QCOMPARE(main.state.currentLayout, 3);
        const QList<QImage> opened = sides(main);
        for (int n = 0; n < 4; ++n)
            QVERIFY2(opened[n] == saved[n], qPrintable(QString::number(n)));

        // The photo moves and the text changes as before saving.
        const QImage before = main.card.printImage().copy();
        QVERIFY(photoMouseDown(main.context(), 1, 100, 100));
        photoMouseMove(main.context(), 1, 130, 120);
        photoMouseUp(main.context(), 1, 130, 120);
        QVERIFY(main.card.printImage() != before);
        const QImage moved = main.card.printImage().copy();
        selectText(main.context(), 1);
        main.Text1->setText(QStringLiteral("Tot ziens"));
        finishTextEditing(main.context());
        QVERIFY(main.card.printImage() != moved);
        QCOMPARE(static_cast<const TextOperation&>(main.state.document.at(1)).text(), QString("Tot ziens"));
        QCOMPARE(main.windowTitle(), QString(" Prentvel - groet.prentvel *"));

        // "Kaart bewaren" writes to the card's own file without asking.
        const int asked = dialogs.fileFilters.size();
        main.FileKaartBewaren->trigger();
        QCOMPARE(dialogs.fileFilters.size(), asked);
        QString error;
        QCOMPARE(CardFile::read(card, error)->front.document.size(), main.state.document.size());
    }

    void aBadFileOrAPhotoInFreeDrawingChangesNothing()
    {
        TemporarySettings settings;
        ScriptedDialogs dialogs;
        Main main;
        dialogs.files << dir.filePath("goed.prentvel");
        main.FileKaartBewarenAls->trigger();
        QFile good(dir.filePath("goed.prentvel"));
        QVERIFY(good.open(QIODevice::ReadOnly));
        QByteArray bytes = good.readAll();
        bytes.truncate(bytes.size() / 2);
        QFile bad(dir.filePath("kapot.prentvel"));
        QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write(bytes) == bytes.size());
        bad.close();

        makeCard(main, photoFile(dir.filePath("foto.png")));
        const QList<QImage> before = sides(main);
        const int steps = main.history.stack().count();
        dialogs.files << bad.fileName();
        main.FileOpen->trigger();
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages.last().title, QString(" Kaart openen"));
        QVERIFY(!dialogs.messages.last().text.isEmpty());
        QCOMPARE(sides(main), before);
        QCOMPARE(main.history.stack().count(), steps);
        QCOMPARE(main.windowTitle(), QString(" Prentvel - goed.prentvel *"));

        // With unsaved work the user is asked first; "Nee" keeps the card.
        dialogs.files << good.fileName();
        main.FileOpen->trigger();
        QVERIFY(dialogs.messages.last().question);
        QCOMPARE(sides(main), before);

        main.LayoutKaart_Click(Layout::FreeDrawing);
        const QImage drawing = main.card.printImage().copy();
        dialogs.files << dir.filePath("foto.png");
        main.FileOpen->trigger();
        QCOMPARE(dialogs.messages.last().text,
                 QString("In 'Zelf Tekenen' worden geen foto's geladen. Kies eerst een foto-layout."));
        QCOMPARE(main.card.printImage(), drawing);
    }

    void recentCardsNewestFirstTenAtMost()
    {
        TemporarySettings settings;
        ScriptedDialogs dialogs;
        Main main;
        const auto name = [this](int n) { return dir.filePath(QStringLiteral("kaart%1.prentvel").arg(n)); };
        for (int n = 1; n <= 12; ++n) {
            dialogs.files << name(n);
            main.FileKaartBewarenAls->trigger();
        }
        QCOMPARE(Settings::recentCards().size(), 10);
        QCOMPARE(Settings::recentCards().first(), name(12));
        QCOMPARE(main.FileRecentKaart[10]->data().toString(), name(3));
        QCOMPARE(main.findChild<QAction*>("FileRecent_1")->text(), QString("&1  kaart12.prentvel"));

        // Opening one puts it first; a file that is gone leaves the list, with a message.
        main.FileRecentKaart[5]->trigger();
        QCOMPARE(main.windowTitle(), QString(" Prentvel - kaart8.prentvel"));
        QCOMPARE(Settings::recentCards().mid(0, 2), QStringList({name(8), name(12)}));
        QFile::remove(name(12));
        main.FileRecentKaart[2]->trigger();
        QVERIFY(dialogs.messages.last().text.contains("kaart12.prentvel"));
        QCOMPARE(Settings::recentCards().size(), 9);
        QVERIFY(!Settings::recentCards().contains(name(12)));
        QVERIFY(main.FileRecentKaart[1]->isVisible() && !main.FileRecentKaart[10]->isVisible());

        main.FileRecentWissen->trigger();
        QVERIFY(Settings::recentCards().isEmpty());
        QVERIFY(!main.FileRecentKaart[1]->isVisible() && !main.FileRecentWissen->isEnabled());
    }

    void anAutosaveLeftBehindIsOfferedBack()
    {
        TemporarySettings settings;
        ScriptedDialogs dialogs;
        QList<QImage> autosaved;
        const QString folder = Settings::autosaveFolder();
        // A program that stopped: its autosave with no lock held.
        const auto leaveAutosave = [&] {
            Main main;
            dialogs.files << dir.filePath("eigen.prentvel");
            main.FileKaartBewaren->trigger();
            makeCard(main, photoFile(dir.filePath("foto.png")));
            main.autosaveNow();
            main.autosave().waitForDone();
            autosaved = sides(main);
            const QString base = main.autosave().path().chopped(8);
            QVERIFY(QFile::copy(base + "prentvel", folder + "/gestopt.prentvel"));
            QVERIFY(QFile::copy(base + "name", folder + "/gestopt.name"));
        };
        leaveAutosave();
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList({"gestopt.name", "gestopt.prentvel"}));

        // While a running program holds it, nobody is asked.
        {
            QLockFile held(folder + "/gestopt.lock");
            QVERIFY(held.tryLock(0));
            Main main;
            main.offerRecovery();
            QVERIFY(dialogs.messages.isEmpty());
        }

        // "Nee" removes it.
        {
            Main main;
            main.offerRecovery();
            QCOMPARE(dialogs.messages.size(), 1);
            QCOMPARE(dialogs.messages.last().title, QString(" Herstellen"));
            QVERIFY(!QFile::exists(folder + "/gestopt.prentvel"));
        }

        // "Ja" opens it as unsaved work under its own name; it stays an
        // autosave of the program that took it, until that closes.
        leaveAutosave();
        dialogs.answers = {true};
        QString kept;
        {
            Main main;
            main.show();
            QTRY_COMPARE(dialogs.messages.size(), 2);
            QCOMPARE(sides(main), autosaved);
            QVERIFY(main.unsavedWork.unsaved());
            QCOMPARE(main.windowTitle(), QString(" Prentvel - eigen.prentvel *"));
            kept = main.autosave().path();
            QVERIFY(QFile::exists(kept) && !QFile::exists(folder + "/gestopt.prentvel"));
        }
        QVERIFY(QDir(folder).isEmpty());
    }

    void theAutosaveFollowsChangesAndGoesWithASaveOrANewCard()
    {
        TemporarySettings settings;
        ScriptedDialogs dialogs;
        Main main;
        main.setAutosaveTimes(50, 200);
        drawLine(main, 10);
        QTRY_VERIFY(QFile::exists(main.autosave().path()));
        main.autosave().waitForDone();
        QString error;
        QCOMPARE(CardFile::read(main.autosave().path(), error)->front.document.size(), 1);
        // Continuous work is still written once the longest wait has passed.
        QElapsedTimer clock;
        clock.start();
        int lines = 1;
        while (clock.elapsed() < 600)
            drawLine(main, 10 + lines++ % 300), QTest::qWait(20);
        main.autosave().waitForDone();
        QVERIFY(CardFile::read(main.autosave().path(), error)->front.document.size() > 5);

        dialogs.files << dir.filePath("bewaard.prentvel");
        main.FileKaartBewaren->trigger();
        main.autosave().waitForDone();
        QVERIFY(!QFile::exists(main.autosave().path()));
        drawLine(main, 350);
        main.autosaveNow();
        main.autosave().waitForDone();
        QVERIFY(QFile::exists(main.autosave().path()));
        dialogs.answers = {true};
        main.FileNieuw_Click();
        main.autosave().waitForDone();
        QVERIFY(!QFile::exists(main.autosave().path()));
        QCOMPARE(main.windowTitle(), QString(" Prentvel"));
    }
};

PRENTVEL_TEST(CardFileTest)
#include "CardFileTest.moc"
