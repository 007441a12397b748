#include "app/Main.h"
#include "app/StartInfo.h"
#include "app/Titel.h"
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"
#include "platform/ClickableLabel.h"

#include <QApplication>
#include <QLocale>
#include <QTemporaryFile>
#include <QTest>

class StartScreenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void warnsOnlyWhenNotAt96Dpi()
    {
        QCOMPARE(dpiFromLogicalDpi(96), 96);
        QCOMPARE(dpiFromLogicalDpi(120), 120);
        QCOMPARE(dpiFromLogicalDpi(144), 144);
        QCOMPARE(dpiFromLogicalDpi(0), 96);

        ScriptedDialogs dialogs;
        Titel titel;
        titel.dpi = 96;
        titel.Form_Activate();
        QVERIFY(dialogs.messages.isEmpty());
        titel.dpi = 120;
        titel.Form_Activate();
        titel.Form_Activate(); // once is enough
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages.first().title, QString(" Error"));
        QCOMPARE(dialogs.messages.first().icon, Dialogs::Icon::Critical);
        const QStringList lines = dialogs.messages.first().text.split("\r\n");
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.first(), QString("Uw beeldscherm is ingesteld op 120 DPI (Dots Per Inch)"));
        QVERIFY(lines.last().startsWith("https://"));
    }

    void informationLinesShowVersionSizeAndScreen()
    {
        QTemporaryFile program;
        QVERIFY(program.open());
        program.write(QByteArray(12345, 'x'));
        program.flush();
        QCOMPARE(GetFileVersion(program.fileName()), QString("1.0.0.0"));
        QCOMPARE(GetFileVersion("/no/such/program"), QString("Error"));

        QCOMPARE(formatFileSize(12345), QLocale().toString(12345));
        QCOMPARE(QLocale(QLocale::Dutch).toString(12345), QString("12.345"));
        QCOMPARE(formatFileSize(0), QString());

        StartInfo info;
        info.versionText = "1.2.3.4";
        info.sizeText = "12.345";
        info.screenPixels = QSize(1280, 1024);
        info.dpi = 96;
        const QStringList lines = informationText(info).split("\r\n");
        QCOMPARE(lines.size(), 8);
        QVERIFY(lines.at(0).endsWith("-bit computers with Linux."));
        QCOMPARE(lines.at(2), QString("Version number : 1.2.3.4"));
        QCOMPARE(lines.at(3), QString("Filesize............. : 12.345 Bytes"));
        QCOMPARE(lines.at(5), QString("Screen............. : 1280 x 1024 pixels"));
        QCOMPARE(lines.at(7), QString("Time / Date..... :"));
    }

    void startPlaysTheStripAndOpensTheMainWindow()
    {
        ScriptedDialogs dialogs;
        Titel titel;
        titel.show();
        Main* main = titel.Start();
        QVERIFY(main);
        QVERIFY(main->isVisible());
        QVERIFY(!titel.isVisible());
        // Column i shows c = i / 2 + 130 (halves to even) in three bands.
        QCOMPARE(titel.stripSurface.point(0, 2), qint64(RGB(130, 0, 0)));
        QCOMPARE(titel.stripSurface.point(1, 8), qint64(RGB(130, 130, 130))); // 130.5 rounds to 130
        QCOMPARE(titel.stripSurface.point(3, 8), qint64(RGB(132, 132, 132))); // 131.5 rounds to 132
        QCOMPARE(titel.stripSurface.point(239, 14), qint64(RGB(0, 0, 250)));
        dialogs.answers = {true};
        main->close();
    }
};

PRENTVEL_TEST(StartScreenTest)
#include "StartScreenTest.moc"
