#include "app/Main.h"
#include "app/OverPrentvel.h"
#include "app/StartInfo.h"
#include "app/Titel.h"
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"
#include "platform/ClickableLabel.h"
#include "platform/DesktopShell.h"
#include "platform/ProgramFolder.h"

#include <QPushButton>

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

    void clockStandsOnTheTimeLineRightOfItsLabel()
    {
        Titel titel;
        titel.show();
        // Ink rows of each label drawn on its own, and the ink's left and right
        // edge within its last run of rows (the last line of text).
        const auto ink = [&](QLabel* label) {
            QImage image(titel.size(), QImage::Format_RGB32);
            image.fill(Qt::white);
            label->render(&image, label->pos(), QRegion(), QWidget::DrawChildren);
            QList<int> rows;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                        if (!rows.isEmpty() && rows.last() < y - 1)
                            rows.clear(); // a blank row: a new line of text starts
                        rows << y;
                        break;
                    }
            int left = image.width(), right = -1;
            for (int y : rows)
                for (int x = 0; x < image.width(); ++x)
                    if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
            return std::make_tuple(rows, left, right);
        };
        titel.KlokLabel->setText(" 9:05:07 / 04-03-2026");
        const auto [clockRows, clockLeft, clockRight] = ink(titel.KlokLabel);
        // The last line of the information text is "Time / Date..... :".
        const auto [lineRows, lineLeft, lineRight] = ink(titel.Label1);
        QVERIFY(!clockRows.isEmpty() && !lineRows.isEmpty());
        QVERIFY2(clockRows.first() <= lineRows.last() && clockRows.last() >= lineRows.first(),
                 qPrintable(QString("clock rows %1-%2, line rows %3-%4").arg(clockRows.first()).arg(clockRows.last())
                                .arg(lineRows.first()).arg(lineRows.last())));
        QVERIFY(std::abs(clockRows.last() - lineRows.last()) <= 2); // one baseline
        QVERIFY(clockLeft > lineRight && clockLeft - lineRight < 12);
        QVERIFY(clockRight < titel.width());
        QCOMPARE(titel.KlokLabel->font().pointSize(), 8);
    }

    void overPrentvelShowsVersionPlatformAndTheManual()
    {
        Titel titel;
        QCOMPARE(titel.Label4->text(), QString("Over Prentvel"));
        titel.show();
        QTest::mouseClick(titel.Label4, Qt::LeftButton);
        auto* about = titel.findChild<OverPrentvel*>("OverPrentvel");
        QVERIFY(about && about->isVisible());
        QCOMPARE(about->windowTitle(), QString(" Over Prentvel"));
        QCOMPARE(about->VersieLabel->text(), QString("Versie 1.0.0.0"));
        QVERIFY(about->PlatformLabel->text().startsWith("Platform: "));
        QStringList opened;
        DesktopShell::setOpener([&](const QString& target) {
            opened << target;
            return true;
        });
        about->HandleidingKnop->click();
        DesktopShell::setOpener({});
        QCOMPARE(opened, QStringList{manualPath()});
        about->SluitenKnop->click();
        QVERIFY(!about->isVisible());
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
