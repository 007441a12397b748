// The label settings window: typing rules, Reset, Cancel and Opslaan.
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"
#include "printing/PrintSettings.h"
#include "printing/Printmarges.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

namespace {

void fill(Printmarges& window, const QStringList& boxes, const QString& perSheet)
{
    for (int i = 1; i <= 4; ++i)
        window.MargeText[i]->setText(boxes[i - 1]);
    window.Combo1->setEditText(perSheet);
}

QList<double> values(const PrintSettings& s)
{
    return {s.labelLeft, s.labelTop, s.labelWidth, s.labelHeight, double(s.labelsPerSheet)};
}

}

class PrintmargesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void boxesKeepOnlyShortNumbers()
    {
        PrintSettings settings;
        Printmarges window(settings);
        QCOMPARE(window.MargeText[3]->text(), QString("66"));
        QCOMPARE(window.Combo1->currentText(), QString("21"));
        const struct { const char* typed; const char* kept; } cases[] = {
            {"abc", ""}, {"12345", ""}, {"1234", "1234"}, {"12,5", "12,5"}, {"-", ""}, {"1e99", ""}, {"", ""},
            // Plain decimals, and what can still become one while typing.
            {".125", ".125"}, {".", "."}, {"0,", "0,"}, {"1e-3", ""}, {"-5", ""}, {"1.2.", ""}, {".5", ".5"}, {"7.", "7."}};
        for (const auto& c : cases) {
            window.MargeText[1]->setText(c.typed);
            QCOMPARE(window.MargeText[1]->text(), QString(c.kept));
        }
    }

    void resetAsksAndCancelKeepsTheSettings()
    {
        PrintSettings settings;
        settings.labelLeft = 5;
        settings.labelsPerSheet = 14;
        ScriptedDialogs dialogs;
        dialogs.answers = {false, true};
        Printmarges window(settings);
        window.MargeText[2]->setText("7");
        window.ResetKnop_Click();
        QCOMPARE(window.MargeText[2]->text(), QString("7"));
        QCOMPARE(settings.labelLeft, 5.0);
        window.ResetKnop_Click();
        QCOMPARE(dialogs.messages.last().text, QString("Wilt u de begin marges resetten?"));
        QCOMPARE(dialogs.messages.last().title, QString(" Reset"));
        QCOMPARE(values(settings), QList<double>({12, 20, 66, 38, 21}));
        QCOMPARE(window.MargeText[1]->text(), QString("12"));
        QCOMPARE(window.Combo1->currentText(), QString("21"));

        window.MargeText[3]->setText("99");
        window.CancelKnop_Click();
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QCOMPARE(settings.labelWidth, 66.0);
    }

    void opslaanStoresTheTypedSettings()
    {
        PrintSettings settings;
        Printmarges window(settings);
        fill(window, {"10", "15,5", "105", "40.5"}, "24");
        window.OkKnop_Click();
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(values(settings), QList<double>({10, 15.5, 105, 40, 24}));
    }

    void aLeadingPointIsStoredAndShownInItsShortForm()
    {
        PrintSettings settings;
        Printmarges window(settings);
        fill(window, {".125", "20", "66", "38"}, "21");
        window.OkKnop_Click();
        QCOMPARE(settings.labelLeft, 0.125);
        Printmarges again(settings);
        QCOMPARE(again.MargeText[1]->text(), QString(".125"));
    }

    void opslaanRefusesWhatCannotBeStored()
    {
        const struct { QStringList boxes; const char* perSheet; } cases[] = {
            {{"12", "", "66", "38"}, "21"}, {{"12", "20", "66", "38"}, "0"}, {{"12", "20", "66", "38"}, "256"},
            {{"12", "20", "66", "38"}, "veel"}, {{"12", "20", "0", "38"}, "21"}, {{"12", "20", "66", "0,4"}, "21"},
            {{".", "20", "66", "38"}, "21"}};
        for (const auto& c : cases) {
            PrintSettings settings;
            ScriptedDialogs dialogs;
            Printmarges window(settings);
            fill(window, c.boxes, c.perSheet);
            window.OkKnop_Click();
            QCOMPARE(dialogs.messages.size(), 1);
            QVERIFY(window.result() != int(QDialog::Accepted));
            QCOMPARE(values(settings), values(PrintSettings()));
        }
    }
};

PRENTVEL_TEST(PrintmargesTest)
#include "PrintmargesTest.moc"
