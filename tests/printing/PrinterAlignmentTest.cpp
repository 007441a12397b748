// Printer alignment: the alignment sheet, and the offset and Testvel inputs
// of the label settings window.
#include "RecordingPage.h"
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"
#include "platform/Settings.h"
#include "printing/AlignmentSheet.h"
#include "printing/PrintRun.h"
#include "printing/PrintSettings.h"
#include "printing/PrintSettingsStore.h"
#include "printing/Printmarges.h"
#include "printing/SessionPrinter.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Where the short arms of the crosses meet: horizontal lines of the cross length.
QList<QPointF> crossCentres(const RecordingPage& page)
{
    QList<QPointF> centres;
    for (const auto& line : page.shapes)
        if (line.y1 == line.y2 && qAbs(line.x2 - line.x1 - 8) < 1e-9)
            centres << QPointF((line.x1 + line.x2) / 2, line.y1);
    return centres;
}

}

class PrinterAlignmentTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sheetPutsCrossesTenMillimetresFromThePaperEdges()
    {
        // The page's origin lies at the printer's margins; the offset moves it all.
        RecordingPage page;
        page.takesBothSides = true;
        PrintRun::printAlignmentSheet(page, QMarginsF(5, 6, 5, 6), 1, 2);
        QCOMPARE(crossCentres(page), QList<QPointF>({{6, 6}, {6, 283}, {196, 6}, {196, 283}}));
        QCOMPARE(page.page, 1);   // and its back
        QVERIFY(page.ended);

        QStringList printed;
        for (const auto& text : page.textsOnPage(0))
            printed << text.text;
        QVERIFY(printed.join(' ').contains(AlignmentInstruction));
        QVERIFY(AlignmentInstruction.startsWith("Staan de kruisjes niet op 10 mm van de rand van het papier? Meet"));
        // The rulers count mm from the paper edge, starting where printing can.
        QVERIFY(printed.contains("10"));
        double leftmostTick = 1e9;
        for (const auto& line : page.shapes)
            if (line.x1 == line.x2 && line.y1 == 15 - 6 + 2)
                leftmostTick = qMin(leftmostTick, line.x1);
        QCOMPARE(leftmostTick, 5 - 5 + 1.0);
    }

    void offsetInputsTakeNumbersInRangeAndAreStoredOrReset()
    {
        PrintSettings settings;
        settings.offsetX = 1.5;
        Printmarges window(settings);
        QCOMPARE(window.OffsetX->value(), 1.5);
        QCOMPARE(window.OffsetY->value(), 0.0);
        QCOMPARE(window.Combo1->itemText(window.Combo1->currentIndex()), QString("21"));

        // A point or a comma; letters are not taken (the value stays); typing
        // stops where the number would leave -10..10.
        const struct { const char* typed; double value; } cases[] = {
            {"-2.3", -2.3}, {"0,7", 0.7}, {"abc", 0.7}, {"12", 1}, {"-10", -10}};
        for (const auto& c : cases) {
            window.OffsetY->clear();
            QTest::keyClicks(window.OffsetY, c.typed);
            window.OffsetY->interpretText();
            QCOMPARE(window.OffsetY->value(), c.value);
            QVERIFY(!window.OffsetY->text().contains('a'));
        }
        window.OffsetY->setValue(-2.3);
        window.OffsetAchterX->setValue(0.4);
        window.OffsetAchterY->setValue(-1.2);
        window.OkKnop_Click();
        QCOMPARE(settings.offsetX, 1.5);
        QCOMPARE(settings.offsetY, -2.3);
        QCOMPARE(Settings::offsetY(), -2.3);
        QCOMPARE(settings.backOffsetX, 0.4);
        QCOMPARE(Settings::backOffsetY(), -1.2);
        PrintSettings loaded;
        loadRememberedSettings(loaded);
        QCOMPARE(loaded.backOffsetX, 0.4);
        QCOMPARE(loaded.backOffsetY, -1.2);
        QCOMPARE(Settings::labelWidth(), 66.0);

        ScriptedDialogs dialogs;
        dialogs.answers = {true};
        Printmarges again(settings);
        again.ResetKnop_Click();
        QCOMPARE(again.OffsetX->value(), 0.0);
        QCOMPARE(again.OffsetAchterY->value(), 0.0);
        QCOMPARE(settings.offsetX, 0.0);
        QCOMPARE(Settings::offsetX(), 0.0);
        QCOMPARE(Settings::backOffsetY(), 0.0);
    }

    void testvelPrintsBothSidesAndShowsTheInstruction()
    {
        QTemporaryDir dir;
        PrintSettings settings;
        Printmarges window(settings);
        QVERIFY(!window.TestvelKnop->isEnabled());   // no printer to print on

        SessionPrinter printer;
        printer.printer().setOutputFormat(QPrinter::PdfFormat);
        printer.printer().setOutputFileName(QString());
        window.setPrinter(&printer);
        ScriptedDialogs dialogs;
        dialogs.files << dir.filePath("testvel");
        window.OffsetX->setValue(3);   // typed, not yet stored: it applies to the sheet
        window.TestvelKnop->click();
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages.first().text, AlignmentInstruction);
        QFile pdf(dir.filePath("testvel.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY(bytes.contains("/Count 2"));   // the front and, without a question, the back
        QCOMPARE(settings.offsetX, 0.0);
    }
};

PRENTVEL_TEST(PrinterAlignmentTest)
#include "PrinterAlignmentTest.moc"
