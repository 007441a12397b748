// What the program remembers between runs: written as the user changes it,
// read by a new main window, and start values from a damaged settings file.
#include "app/Main.h"
#include "platform/Settings.h"
#include "common/ScriptedDialogs.h"
#include "common/TemporarySettings.h"
#include "common/TestRegistry.h"
#include "printing/Afdrukken.h"
#include "printing/Printmarges.h"
#include "printing/PrintSettings.h"
#include "printing/SessionPrinter.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

namespace {

// Runs `work` on the modal window of type W that `trigger` opens.
template <typename W, typename Work>
bool onModal(QAction* trigger, Work work)
{
    bool found = false;
    QTimer::singleShot(0, [&] {
        if (auto* window = qobject_cast<W*>(QApplication::activeModalWidget())) {
            found = true;
            work(*window);
        }
    });
    trigger->trigger();
    return found;
}

QList<double> labelSettings(const PrintSettings& s)
{
    return {s.labelLeft, s.labelTop, s.labelWidth, s.labelHeight, double(s.labelsPerSheet), s.offsetX, s.offsetY};
}

const QList<double> StartValues = {12, 20, 66, 38, 21, 0, 0};

}

class SettingsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void settingsSurviveANewMainWindow()
    {
        TemporarySettings settings;
        ScriptedDialogs dialogs;
        {
            Main first;
            QCOMPARE(labelSettings(first.printSettings), StartValues);
            QVERIFY(onModal<Printmarges>(first.FilePrintMarges, [](Printmarges& window) {
                const QStringList boxes = {"10", "15,5", "70", "40"};
                for (int i = 1; i <= 4; ++i)
                    window.MargeText[i]->setText(boxes[i - 1]);
                window.Combo1->setEditText("14");
                window.OffsetX->setValue(-1.2);
                window.OffsetY->setValue(0.4);
                window.OkKnop_Click();
            }));
            QVERIFY(onModal<Afdrukken>(first.FilePrint, [](Afdrukken& window) {
                window.VScroll1->setValue(5);
                window.Combo1->setEditText("7");
                window.Combo2->setEditText("2030");
                window.ExitKnop_Click();
            }));
            const QString photos = settings.path();
            dialogs.files << photos + "/ontbreekt.jpg";
            first.FileOpen->trigger();
            QCOMPARE(dialogs.fileStarts.last(), QString());
        }

        Main second;
        QCOMPARE(labelSettings(second.printSettings), QList<double>({10, 15.5, 70, 40, 14, -1.2, 0.4}));
        QVERIFY(onModal<Afdrukken>(second.FilePrint, [](Afdrukken& window) {
            // The mode is remembered; copies and year start afresh.
            QCOMPARE(window.VScroll1->value(), 5);
            QVERIFY(!window.Combo2->isHidden());
            QCOMPARE(window.Combo1->currentText(), QString("1"));
            QCOMPARE(window.Combo2->currentText(), QString::number(QDate::currentDate().year()));
            window.ExitKnop_Click();
        }));
        second.FileOpen->trigger();
        QCOMPARE(dialogs.fileStarts.last(), settings.path());

        // A confirmed Reset is remembered at once, even when the window is cancelled.
        dialogs.answers = {true};
        QVERIFY(onModal<Printmarges>(second.FilePrintMarges, [](Printmarges& window) {
            window.ResetKnop_Click();
            window.CancelKnop_Click();
        }));
        Main third;
        QCOMPARE(labelSettings(third.printSettings), StartValues);
        QCOMPARE(third.printSettings.printMode, 5);
    }

    void printerChosenForPdfIsRestored()
    {
        TemporarySettings settings;
        Settings::setPrinterChoice("pdf:" + settings.path() + "/vellen.pdf");
        SessionPrinter printer;
        QCOMPARE(printer.printer().outputFormat(), QPrinter::PdfFormat);
        QCOMPARE(printer.printer().outputFileName(), settings.path() + "/vellen.pdf");
        // A printer that is no longer there leaves the system's default.
        Settings::setPrinterChoice("Verdwenen printer");
        SessionPrinter gone;
        QVERIFY(gone.printer().printerName() != "Verdwenen printer");
    }

    void damagedSettingsGiveStartValues()
    {
        static const char binary[] = "\x00\xff\xfe[labels\n=\n\x01\x02 left";
        const QByteArray damaged[] = {
            "[labels]\nleft=abc\ntop=12.3456\nwidth=-5\nheight=0\nperSheet=999\n"
            "[printing]\noffsetX=55\noffsetY=nan\nmode=nine\n[folders]\nphotos=/bestaat/niet\n",
            QByteArray(binary, sizeof binary - 1),
        };
        for (const QByteArray& bytes : damaged) {
            TemporarySettings settings;
            const QString file = settings.file();
            QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(bytes);
            out.close();
            if (bytes.startsWith("[labels]"))   // the file is the one the program reads
                QCOMPARE(Settings::open().value("labels/left").toString(), QString("abc"));

            Main main;
            QCOMPARE(labelSettings(main.printSettings), StartValues);
            QCOMPARE(main.printSettings.printMode, 1);
            QCOMPARE(Settings::photoFolder(), QString());
            ScriptedDialogs dialogs;
            QVERIFY(onModal<Printmarges>(main.FilePrintMarges, [](Printmarges& window) {
                QCOMPARE(window.OffsetX->value(), 0.0);
                QCOMPARE(window.MargeText[1]->text(), QString("12"));
                window.CancelKnop_Click();
            }));
        }
    }

    void sizeListOpensAtTheSizeShown()
    {
        Main main;
        QCOMPARE(main.ComboSize->itemText(main.ComboSize->currentIndex()), QString("22"));
    }
};

PRENTVEL_TEST(SettingsTest)
#include "SettingsTest.moc"
