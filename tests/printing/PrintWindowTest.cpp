// The print window driven as a user would: modes, the address panel and
// printing through the session printer into PDF files.
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"
#include "app/EditorState.h"
#include "app/Main.h"
#include "platform/CardSurface.h"
#include "printing/Afdrukken.h"
#include "printing/Printmarges.h"
#include "printing/SessionPrinter.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

AddressBook twoNames()
{
    AddressBook book;
    book.records.append({"Anna", "Laan 1", "1000 AA Stad", "-"});
    book.records.append({"Bert", "Weg 2", "2000 BB Dorp", "-"});
    return book;
}

struct Fixture {
    EditorState state;
    CardSurface card;
    SessionPrinter printer;
    std::optional<AddressBook> book = twoNames();
    int loads = 0;

    Fixture(int layout = 1)
    {
        state.currentLayout = layout;
        card.filledBox(0, 0, 514, 364, RGB(0, 0, 255));
        // No printer and no file chosen: every job asks for a PDF file.
        printer.printer().setOutputFormat(QPrinter::PdfFormat);
        printer.printer().setOutputFileName(QString());
    }
    std::unique_ptr<Afdrukken> open()
    {
        return std::make_unique<Afdrukken>(state, card, printer, [this] { ++loads; return book; });
    }
};

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int pageCount(const QByteArray& pdf)
{
    auto pages = QRegularExpression("/Type\\s*/Page(?![A-Za-z])").globalMatch(QString::fromLatin1(pdf));
    int count = 0;
    for (; pages.hasNext(); pages.next())
        ++count;
    return count;
}

}

class PrintWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void openingShowsModeOneForThePhotoOrTheAddressSide()
    {
        Fixture photo(1);
        auto window = photo.open();
        QCOMPARE(window->Label2->text(), QString("2 Dezelfde prentvellen"));
        QVERIFY(window->Check1->isHidden());
        QCOMPARE(window->preview().point(25, 35), qint64(RGB(0, 0, 255)));   // the card in the top slot
        QCOMPARE(window->preview().point(25, 100), qint64(RGB(0, 0, 255)));  // and in the bottom slot

        Fixture back(19);
        window = back.open();
        QCOMPARE(window->Label2->text(), QString("2 Adreszijden met adressen uit het bestand"));
        QVERIFY(!window->Check1->isHidden());
        window->VScroll1->setValue(2);
        QVERIFY(window->Check1->isHidden());
        window->VScroll1->setValue(1);
        QCOMPARE(window->Label2->text(), QString("2 Adreszijden voor de achterzijde van de kaart"));
        QVERIFY(!window->Check1->isHidden());
    }

    void yearListOnlyInTheCalendarModeAndLabelCountInModeSeven()
    {
        Fixture fixture;
        fixture.state.labelsPerSheet = 24;
        auto window = fixture.open();
        for (int mode = 1; mode <= 7; ++mode) {
            window->VScroll1->setValue(mode);
            QCOMPARE(window->Combo2->isHidden(), mode != 5);
            QCOMPARE(window->Label5->isHidden(), mode != 5);
        }
        QCOMPARE(window->Label2->text(), QString("Print 24 etiketten per vel met adressenbestand"));
        QCOMPARE(window->Combo2->currentText(), QString::number(QDate::currentDate().year()));
    }

    void addressPanelSlidesInAndListsEveryNameOnce()
    {
        Fixture fixture(19);
        auto window = fixture.open();
        QCOMPARE(window->heightTwips(), 3810);
        window->Check1->setChecked(true);
        QCOMPARE(window->heightTwips(), 4830);
        QVERIFY(window->height() >= window->Frame2->geometry().bottom());
        window->ComboNaam2->setEditText("Bert");
        window->Check1->setChecked(false);
        QCOMPARE(window->heightTwips(), 3825);
        QVERIFY(window->height() <= window->Frame2->y() + 1);
        window->Check1->setChecked(true);
        QCOMPARE(fixture.loads, 3);
        QCOMPARE(window->ComboNaam1->count(), 2);
        QCOMPARE(window->ComboNaam1->itemText(1), QString("Bert"));
        QCOMPARE(window->ComboNaam1->currentText(), QString("Selecteer 1e naam"));
        QCOMPARE(window->ComboNaam2->currentText(), QString("Bert"));

        // Without an address file the lists keep what they had, silently.
        ScriptedDialogs dialogs;
        fixture.book.reset();
        window->Check1->setChecked(false);
        QCOMPARE(window->ComboNaam1->count(), 2);
        QVERIFY(dialogs.messages.isEmpty());
    }

    void typedCopiesOrYearThatCannotBePrintedAreRefused()
    {
        Fixture fixture;
        auto window = fixture.open();
        ScriptedDialogs dialogs;
        window->Combo1->setEditText("11");
        window->PrintKnop_Click();
        window->Combo1->setEditText("1");
        window->VScroll1->setValue(5);
        window->Combo2->setEditText("twintig");
        window->PrintKnop_Click();
        QCOMPARE(dialogs.messages.size(), 2);
        QVERIFY(dialogs.fileFilters.isEmpty());   // no job was started
        QCOMPARE(window->Label2->text(), QString("Jaarkalender met het geselecteerde jaar"));
    }

    void modeOneWithoutAPrinterWritesOneA4PageToTheChosenFile()
    {
        QTemporaryDir dir;
        Fixture fixture;
        auto window = fixture.open();
        ScriptedDialogs dialogs;
        const QString path = dir.filePath("kaarten.pdf");
        dialogs.files << path;
        QTimer::singleShot(100, [&] { window->PrintKnop_Click(); });   // clicked again while scanning
        window->PrintKnop_Click();
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(dialogs.fileFilters.size(), 1);
        QCOMPARE(window->Label2->text(), QString("2 Dezelfde prentvellen"));
        QVERIFY(window->Lijn->isHidden());

        const QByteArray pdf = fileBytes(path);
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pageCount(pdf), 1);
        const QRegularExpression mediaBox("/MediaBox\\s*\\[\\s*0\\s+0\\s+(\\d+(?:\\.\\d+)?)\\s+(\\d+(?:\\.\\d+)?)\\s*\\]");
        const auto box = mediaBox.match(QString::fromLatin1(pdf));
        QVERIFY(box.hasMatch());
        QVERIFY(qAbs(box.captured(1).toDouble() - 595.3) < 1);   // 210 mm in points
        QVERIFY(qAbs(box.captured(2).toDouble() - 841.9) < 1);   // 297 mm

        // Cancelling the file question prints nothing and says nothing.
        window->PrintKnop_Click();
        QVERIFY(dialogs.messages.isEmpty());
    }

    void aJobThatCannotStartSaysSoAndReportsNoCount()
    {
        QTemporaryDir dir;
        Fixture fixture;
        auto window = fixture.open();
        window->VScroll1->setValue(7);
        ScriptedDialogs dialogs;
        dialogs.files << dir.filePath("ontbrekende map/etiketten.pdf");
        window->PrintKnop_Click();
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(window->Label2->text(), QString("Print 21 etiketten per vel met adressenbestand"));

        // The printer chosen for the session (here a PDF file) serves without asking.
        fixture.printer.printer().setOutputFileName(dir.filePath("etiketten.pdf"));
        window->PrintKnop_Click();
        QCOMPARE(dialogs.fileFilters.size(), 1);
        QCOMPARE(window->Label2->text(), QString("Print 2 etiketten"));
        QVERIFY(QFile::exists(dir.filePath("etiketten.pdf")));
    }

    void closingTheProgramDuringTheScanAsksOnceThePrintWindowIsClosed()
    {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        QPointer<Main> main = new Main;
        main->setAttribute(Qt::WA_DeleteOnClose);
        main->findChild<SessionPrinter*>("CommonDialog")->printer().setOutputFileName(dir.filePath("kaart.pdf"));
        qsizetype askedWhilePrinting = -1;
        QTimer::singleShot(0, [&] {
            auto* window = qobject_cast<Afdrukken*>(QApplication::activeModalWidget());
            QVERIFY(window);
            QTimer::singleShot(100, main, [&] { main->close(); }); // during the scan animation
            window->PrintKnop_Click();
            askedWhilePrinting = dialogs.messages.size();
            window->ExitKnop_Click();
        });
        dialogs.answers = {true};
        main->FilePrint->trigger();
        QCOMPARE(askedWhilePrinting, qsizetype(0));
        QVERIFY(QFile::exists(dir.filePath("kaart.pdf")));
        QTRY_COMPARE(dialogs.messages.size(), qsizetype(1));
        QCOMPARE(dialogs.messages.first().title, QString(" Exit programma"));
        QTRY_VERIFY(main.isNull());
    }

    void menuEntriesOpenBothWindowsModal()
    {
        Main main;
        main.state.currentLayout = 19;
        QString caption;
        QTimer::singleShot(0, [&] {
            if (auto* window = qobject_cast<Afdrukken*>(QApplication::activeModalWidget())) {
                caption = window->Label2->text();
                window->ExitKnop_Click();
            }
        });
        main.FilePrint->trigger();
        QCOMPARE(caption, QString("2 Adreszijden met adressen uit het bestand"));

        bool labelSettingsShown = false;
        QTimer::singleShot(0, [&] {
            if (auto* window = qobject_cast<Printmarges*>(QApplication::activeModalWidget())) {
                labelSettingsShown = true;
                window->CancelKnop_Click();
            }
        });
        main.FilePrintMarges->trigger();
        QVERIFY(labelSettingsShown);
    }
};

PRENTVEL_TEST(PrintWindowTest)
#include "PrintWindowTest.moc"
