// The program as a separate process, editing on its own and killed with
// SIGKILL at random moments: every autosave it leaves opens, none is offered
// while its program runs, and the window started afterwards brings it back.
#include "app/CardAutosave.h"
#include "app/Main.h"
#include "common/ScriptedDialogs.h"
#include "common/TemporarySettings.h"
#include "common/TestRegistry.h"
#include "document/CardFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

class AutosaveKillTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void killedAtAnyMomentTheWorkComesBack()
    {
        QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("XDG_DATA_HOME", home.filePath("data"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("PRENTVEL_TEST_EDITS", "40");
        const QString folder = home.filePath("data/Prentvel/autosave");
        TemporarySettings settings;
        Settings::setAutosaveFolder(folder);
        ScriptedDialogs dialogs;

        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("seed %u", seed);
        QRandomGenerator random(seed);
        QElapsedTimer clock;
        clock.start();
        int autosaves = 0;
        for (int run = 0; run < 10 && clock.elapsed() < 20000; ++run) {
            QProcess program;
            program.setProcessEnvironment(environment);
            program.start(QStringLiteral(PRENTVEL_PROGRAM), {});
            QVERIFY(program.waitForStarted());
            QTest::qWait(200 + int(random.bounded(1200)));
            if (run == 0) {
                // While the program runs its autosave is nobody else's.
                QTRY_VERIFY(!QDir(folder).entryList({"*.prentvel"}).isEmpty());
                Main main;
                main.offerRecovery();
                QVERIFY(dialogs.messages.isEmpty());
            }
            program.kill();
            QVERIFY(program.waitForFinished());

            const QStringList left = QDir(folder).entryList({"*.prentvel"});
            QVERIFY(left.size() <= 1);
            for (const QString& name : left) {
                QString error;
                const auto content = CardFile::read(QDir(folder).filePath(name), error);
                QVERIFY2(content, qPrintable(error));
                QVERIFY(content->front.document.size() > 0);
                ++autosaves;
                // The last run's autosave stays for the window below.
                if (run < 9 && clock.elapsed() < 20000)
                    QFile::remove(QDir(folder).filePath(name));
            }
        }
        QVERIFY(autosaves > 0);

        // The last autosave comes back into a window started afterwards,
        // unless that run was killed before its first change.
        const auto abandoned = CardAutosave::findAbandoned(folder);
        if (!abandoned)
            return;
        QString error;
        const int operations = CardFile::read(abandoned->path, error)->front.document.size();
        abandoned->lock->unlock();
        dialogs.answers = {true};
        Main main;
        main.offerRecovery();
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(main.state.document.size(), operations);
        QVERIFY(main.unsavedWork.unsaved());
    }
};

PRENTVEL_TEST(AutosaveKillTest)
#include "AutosaveKillTest.moc"
