// The label settings window: typing rules, Reset, Cancel and Opslaan.
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"
#include "editor/EditorState.h"
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

QList<double> settings(const EditorState& s)
{
    return {s.labelLeft, s.labelTop, s.labelWidth, s.labelHeight, double(s.labelsPerSheet)};
}

}

class PrintmargesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void boxesKeepOnlyShortNumbers()
    {
        EditorState state;
        Printmarges window(state);
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
        EditorState state;
        state.labelLeft = 5;
        state.labelsPerSheet = 14;
        ScriptedDialogs dialogs;
        dialogs.answers = {false, true};
        Printmarges window(state);
        window.MargeText[2]->setText("7");
        window.ResetKnop_Click();
        QCOMPARE(window.MargeText[2]->text(), QString("7"));
        QCOMPARE(state.labelLeft, 5.0);
        window.ResetKnop_Click();
        QCOMPARE(dialogs.messages.last().text, QString("Wilt u de begin marges resetten?"));
        QCOMPARE(dialogs.messages.last().title, QString(" Reset"));
        QCOMPARE(settings(state), QList<double>({12, 20, 66, 38, 21}));
        QCOMPARE(window.MargeText[1]->text(), QString("12"));
        QCOMPARE(window.Combo1->currentText(), QString("21"));

        window.MargeText[3]->setText("99");
        window.CancelKnop_Click();
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QCOMPARE(state.labelWidth, 66.0);
    }

    void opslaanStoresTheTypedSettings()
    {
        EditorState state;
        Printmarges window(state);
        fill(window, {"10", "15,5", "105", "40.5"}, "24");
        window.OkKnop_Click();
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(settings(state), QList<double>({10, 15.5, 105, 40, 24}));
    }

    void aLeadingPointIsStoredAndShownInItsShortForm()
    {
        EditorState state;
        Printmarges window(state);
        fill(window, {".125", "20", "66", "38"}, "21");
        window.OkKnop_Click();
        QCOMPARE(state.labelLeft, 0.125);
        Printmarges again(state);
        QCOMPARE(again.MargeText[1]->text(), QString(".125"));
    }

    void opslaanRefusesWhatCannotBeStored()
    {
        const struct { QStringList boxes; const char* perSheet; } cases[] = {
            {{"12", "", "66", "38"}, "21"}, {{"12", "20", "66", "38"}, "0"}, {{"12", "20", "66", "38"}, "256"},
            {{"12", "20", "66", "38"}, "veel"}, {{"12", "20", "0", "38"}, "21"}, {{"12", "20", "66", "0,4"}, "21"},
            {{".", "20", "66", "38"}, "21"}};
        for (const auto& c : cases) {
            EditorState state;
            ScriptedDialogs dialogs;
            Printmarges window(state);
            fill(window, c.boxes, c.perSheet);
            window.OkKnop_Click();
            QCOMPARE(dialogs.messages.size(), 1);
            QVERIFY(window.result() != int(QDialog::Accepted));
            QCOMPARE(settings(state), settings(EditorState()));
        }
    }
};

PRENTVEL_TEST(PrintmargesTest)
#include "PrintmargesTest.moc"
