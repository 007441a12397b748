// The print window driven as a user would: modes, the address panel and
// printing through the session printer into PDF files.
#include "RecordingPage.h"
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"
#include "editor/EditorState.h"
#include "app/Main.h"
#include "platform/CardSurface.h"
#include "printing/AfdrukVoorbeeld.h"
#include "printing/Afdrukken.h"
#include "printing/PrinterDevicePage.h"
#include "printing/PrinterPage.h"
#include "printing/PostcardPaper.h"
#include "printing/Printmarges.h"
#include "printing/PrintSettings.h"
#include "printing/SessionPrinter.h"
#include "printing/SheetPicture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
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
    PrintSettings settings;
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
        return std::make_unique<Afdrukken>(state, settings, card, printer, [this] { ++loads; return book; });
    }
};

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

AddressBook namesOf(int count)
{
    AddressBook book;
    for (int i = 1; i <= count; ++i)
        book.records.append({QStringLiteral("Naam %1").arg(i), "Straat 1", "1234 AB Plaats", "-"});
    return book;
}

QImage filled(QColor colour, int scale = 1)
{
    QImage image(CardSurface::CardWidth * scale, CardSurface::CardHeight * scale, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The two sides in red and green, the front's print copy and screen copy told
// apart by their size.
CardSides redAndGreen()
{
    return {CardSide::Front, [](CardSide side, bool printCopy) {
                return filled(side == CardSide::Front ? Qt::red : Qt::green, printCopy ? CardSurface::PrintScale : 1);
            }};
}

// Every visible control lies whole inside its parent and the window, a
// caption fits its label and a check box its text, and no two check boxes
// or lists overlap.
void checkNothingCutOff(Afdrukken& window, const QString& where)
{
    QList<QRect> choices;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const QRect inWindow(control->mapTo(&window, QPoint(0, 0)), control->size());
        // The closed address panel lies wholly below the window's edge.
        if (!control->isVisibleTo(&window) || control->objectName().isEmpty() || control->objectName() == "Lijn"
            || !inWindow.intersects(window.rect()))
            continue;
        QVERIFY2(window.rect().contains(inWindow), qPrintable(where + " " + control->objectName()));
        QVERIFY2(control->parentWidget()->rect().contains(control->geometry()), qPrintable(where + " " + control->objectName()));
        if (auto* label = qobject_cast<QLabel*>(control); label && label->wordWrap())
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(where + " " + label->text()));
        if (auto* box = qobject_cast<QCheckBox*>(control))
            QVERIFY2(box->sizeHint().width() <= box->width(), qPrintable(where + " " + box->text()));
        if (qobject_cast<QCheckBox*>(control) || qobject_cast<QComboBox*>(control)) {
            for (const QRect& other : choices)
                QVERIFY2(!other.intersects(inWindow), qPrintable(where + " " + control->objectName()));
            choices.append(inWindow);
        }
    }
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
        const QImage picture = window->sheetPicture(1);
        QCOMPARE(picture.pixelColor(25, 35), QColor(Qt::blue));   // the card in the top slot
        QCOMPARE(picture.pixelColor(25, 100), QColor(Qt::blue));  // and in the bottom slot

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
        fixture.settings.labelsPerSheet = 24;
        auto window = fixture.open();
        for (int mode = 1; mode <= 7; ++mode) {
            window->VScroll1->setValue(mode);
            QCOMPARE(window->Combo2->isHidden(), mode != 5);
            QCOMPARE(window->Label5->isHidden(), mode != 5);
        }
        QCOMPARE(window->Label2->text(), QString("Print 24 etiketten per vel met adressenbestand"));
        QCOMPARE(window->Combo2->currentText(), QString::number(QDate::currentDate().year()));
        // The list opens at the year shown, and follows what is typed.
        QCOMPARE(window->Combo2->itemText(window->Combo2->currentIndex()), window->Combo2->currentText());
        window->Combo2->setEditText("2012");
        QCOMPARE(window->Combo2->itemText(window->Combo2->currentIndex()), QString("2012"));
    }

    void previewShowsOneCopyOfTheJobAndPrintsItFromThere()
    {
        QTemporaryDir dir;
        Fixture fixture;
        fixture.book = namesOf(30);
        fixture.settings.offsetX = 2;
        fixture.settings.offsetY = -3;
        auto window = fixture.open();
        window->VScroll1->setValue(7);
        window->Combo1->setEditText("3");
        ScriptedDialogs dialogs;
        dialogs.files << dir.filePath("etiketten");

        QString caption;
        int previewPages = 0;
        RecordingPage previewed;
        QTimer::singleShot(0, [&] {
            auto* preview = qobject_cast<AfdrukVoorbeeld*>(QApplication::activeModalWidget());
            if (!preview)
                return;
            caption = preview->windowTitle();
            previewPages = preview->pageCount();
            preview->job()(previewed);
            preview->AfdrukKnop->click();
        });
        window->VoorbeeldKnop_Click();
        QCOMPARE(caption, QString("Afdrukvoorbeeld"));

        // The same job drawn on a recording page: one copy of two sheets
        // (30 labels, 21 a sheet), moved by the offset.
        PrintRun::Request request;
        request.mode = 7;
        request.offsetX = 2;
        request.offsetY = -3;
        RecordingPage printed;
        PrintRun::print(printed, request, [&] { return fixture.book; });
        QCOMPARE(previewPages, 2);
        QCOMPARE(previewed.page, printed.page);
        QCOMPARE(previewed.copies, 1);
        QCOMPARE(previewed.texts.size(), printed.texts.size());
        for (int i = 0; i < printed.texts.size(); ++i) {
            QCOMPARE(previewed.texts[i].text, printed.texts[i].text);
            QCOMPARE(previewed.texts[i].x, printed.texts[i].x);
            QCOMPARE(previewed.texts[i].y, printed.texts[i].y);
            QCOMPARE(previewed.texts[i].page, printed.texts[i].page);
        }
        QCOMPARE(previewed.texts.first().x, 12 - 3 + 2.0);
        QCOMPARE(previewed.texts.first().y, 20 - 4 - 3.0);

        // "Afdrukken" in the preview printed the job with its three copies:
        // a PDF holds each copy as its own set of pages.
        QCOMPARE(pageCount(fileBytes(dir.filePath("etiketten.pdf"))), 6);
        QCOMPARE(window->Label2->text(), QString("Print 30 etiketten"));
    }

    void withoutAnAddressBookPrintAndPreviewSaySoAndDoNothing()
    {
        ScriptedDialogs dialogs;
        bool previewOpened = false;
        const auto closePreview = [&] {
            QTimer::singleShot(0, [&] {
                if (auto* preview = qobject_cast<AfdrukVoorbeeld*>(QApplication::activeModalWidget())) {
                    previewOpened = true;
                    preview->reject();
                }
            });
        };
        Fixture fixture;
        fixture.book.reset();
        auto window = fixture.open();
        for (int mode : {6, 7}) {
            window->VScroll1->setValue(mode);
            window->PrintKnop_Click();
            closePreview();
            window->VoorbeeldKnop_Click();
        }
        Fixture back(19);
        back.book.reset();
        auto addressSide = back.open();
        addressSide->Check1->setChecked(true);
        addressSide->PrintKnop_Click();
        QCOMPARE(dialogs.messages.size(), 5);
        for (const auto& message : dialogs.messages)
            QCOMPARE(message.text, PrintRun::NoAddressBookMessage);

        // Typed copies the job cannot have: the preview refuses them as Print does.
        window->VScroll1->setValue(1);
        window->Combo1->setEditText("0");
        closePreview();
        window->VoorbeeldKnop_Click();
        QCOMPARE(dialogs.messages.last().text, QString("Typ bij Copy's een aantal van 1 tot 10."));
        QVERIFY(!previewOpened);
        QVERIFY(dialogs.fileFilters.isEmpty());
    }

    void anExistingPdfIsReplacedOnlyAfterAYes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("kaart.pdf");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("oud");
        old.close();

        Fixture fixture;
        auto window = fixture.open();
        ScriptedDialogs dialogs;
        dialogs.files << dir.filePath("kaart") << path;
        dialogs.answers = {false, true};
        window->PrintKnop_Click();
        QVERIFY(dialogs.messages.last().question);
        QVERIFY(dialogs.messages.last().text.contains("bestaat al"));
        QCOMPARE(fileBytes(path), QByteArray("oud"));
        window->PrintKnop_Click();
        QVERIFY(fileBytes(path).startsWith("%PDF"));

        // The next job proposes the last file; a new session proposes its folder.
        window->PrintKnop_Click();
        QCOMPARE(dialogs.fileStarts.last(), path);
        SessionPrinter nextSession;
        nextSession.printer().setOutputFormat(QPrinter::PdfFormat);
        nextSession.printer().setOutputFileName(QString());
        QVERIFY(!nextSession.startJob(nullptr));
        QCOMPARE(dialogs.fileStarts.last(), dir.path());
    }

    void addressPanelSlidesInAndListsEveryNameOnce()
    {
        Fixture fixture(19);
        auto window = fixture.open();
        QCOMPARE(window->heightTwips(), 4200);
        window->Check1->setChecked(true);
        QCOMPARE(window->heightTwips(), 5220);
        QVERIFY(window->height() >= window->Frame2->geometry().bottom());
        window->ComboNaam2->setEditText("Bert");
        window->Check1->setChecked(false);
        QCOMPARE(window->heightTwips(), 4200);
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

        // A PDF file chosen for the session is proposed again; ".pdf" is added.
        fixture.printer.printer().setOutputFileName(dir.filePath("etiketten.pdf"));
        dialogs.files << dir.filePath("etiketten");
        window->PrintKnop_Click();
        QCOMPARE(dialogs.fileStarts.last(), dir.filePath("etiketten.pdf"));
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
        dialogs.files << dir.filePath("kaart.pdf");
        dialogs.answers = {true};
        main->FilePrint->trigger();
        QCOMPARE(askedWhilePrinting, qsizetype(0));
        QVERIFY(QFile::exists(dir.filePath("kaart.pdf")));
        QTRY_COMPARE(dialogs.messages.size(), qsizetype(1));
        QCOMPARE(dialogs.messages.first().title, QString(" Exit programma"));
        QTRY_VERIFY(main.isNull());
    }

    void postcardPaperModesShowTheirControlsAndRememberThem()
    {
        Fixture fixture(19);
        auto window = fixture.open();
        for (int mode = PrintRun::FirstMode; mode <= PrintRun::LastMode; ++mode) {
            window->VScroll1->setValue(mode);
            QCOMPARE(window->ComboPapier->isHidden(), mode != PrintMode::Kaartpapier);
            QCOMPARE(window->CheckRandloos->isHidden(), mode < PrintMode::Kaartpapier);
            QCOMPARE(window->Check1->isHidden(), mode != PrintMode::TweeKaarten && mode < PrintMode::Kaartpapier);
        }
        QCOMPARE(window->Label2->text(), QString("4 prentvellen op A4 (geperforeerd kaartpapier)"));
        QCOMPARE(window->ComboPapier->itemText(0), QString("A6 (148 x 105 mm)"));
        QCOMPARE(window->ComboPapier->itemText(1), QString("10 x 15 cm (102 x 152 mm)"));

        // Four name lists in mode 9, all inside the frame, the frame inside the window.
        window->Check1->setChecked(true);
        QVERIFY(!window->ComboNaam4->isHidden());
        QCOMPARE(window->ComboNaam4->count(), 2);
        QVERIFY(window->ComboNaam4->geometry().bottom() < window->Frame2->height());
        QVERIFY(window->Frame2->geometry().bottom() <= window->height());
        window->VScroll1->setValue(PrintMode::Kaartpapier);
        QVERIFY(window->ComboNaam3->isHidden());
        // The paper row lies below the buttons and clear of each other.
        QVERIFY(window->ComboPapier->y() > window->VoorbeeldKnop->geometry().bottom());
        QVERIFY(!window->ComboPapier->geometry().intersects(window->CheckRandloos->geometry()));
        QVERIFY(window->CheckRandloos->geometry().right() < window->Frame1->width());
        QVERIFY(window->Frame1->geometry().bottom() < window->Frame2->y());

        window->ComboPapier->setCurrentIndex(PostcardPaper::TienBijVijftien);
        window->CheckRandloos->setChecked(true);
        auto again = fixture.open();
        QCOMPARE(again->ComboPapier->currentIndex(), int(PostcardPaper::TienBijVijftien));
        QVERIFY(again->CheckRandloos->isChecked());
    }

    void bothSidesInModesOneEightAndNineBringTheAddressPanel()
    {
        Fixture fixture;
        auto window = fixture.open();
        for (int mode = PrintRun::FirstMode; mode <= PrintRun::LastMode; ++mode) {
            window->VScroll1->setValue(mode);
            const bool offered = mode == PrintMode::TweeKaarten || mode >= PrintMode::Kaartpapier;
            QCOMPARE(window->CheckDubbelzijdig->isHidden(), !offered);
            QVERIFY(window->Check1->isHidden());
        }
        window->CheckDubbelzijdig->setChecked(true);
        QVERIFY(!window->Check1->isHidden());
        window->Check1->setChecked(true);
        QVERIFY(!window->ComboNaam4->isHidden());
        QCOMPARE(window->ComboNaam4->count(), 2);
        QVERIFY(window->height() > window->Frame2->geometry().bottom());

        // Mode 1 tells the two sides apart; a mode without them closes the panel
        // and prints addresses no more.
        window->VScroll1->setValue(PrintMode::TweeKaarten);
        QCOMPARE(window->Label2->text(), QString("2 Prentvellen, voor- en achterkant"));
        window->VScroll1->setValue(PrintMode::DubbelLiggend);
        QVERIFY(window->Check1->isHidden());
        QVERIFY(window->height() < window->Frame2->y() + 2);
        QVERIFY(!window->readRequest()->withAddresses);
    }

    void theRequestCarriesBothSidesAndTheBackOffsets()
    {
        Fixture fixture(19);
        fixture.settings.backOffsetX = 1.5;
        fixture.settings.backOffsetY = -2;
        auto window = fixture.open();
        window->setSides(redAndGreen());
        auto request = window->readRequest();
        QVERIFY(!request->bothSides);
        QVERIFY(request->addressSide);
        QCOMPARE(request->card.pixelColor(0, 0), QColor(Qt::red));
        QCOMPARE(request->card.width(), CardSurface::CardWidth * CardSurface::PrintScale);

        window->CheckDubbelzijdig->setChecked(true);
        window->Check1->setChecked(true);
        request = window->readRequest();
        QVERIFY(request->bothSides);
        QVERIFY(!request->addressSide);   // the card is the front
        QVERIFY(request->withAddresses);
        QCOMPARE(request->back.pixelColor(0, 0), QColor(Qt::green));
        QCOMPARE(request->back.width(), CardSurface::CardWidth * CardSurface::PrintScale);
        QCOMPARE(request->backOffsetX, 1.5);
        QCOMPARE(request->backOffsetY, -2.0);

        // Without setSides the back is a blank address side.
        auto plain = fixture.open();
        plain->CheckDubbelzijdig->setChecked(true);
        const QImage back = plain->readRequest()->back;
        QCOMPARE(back.pixelColor(10, 10), QColor(Qt::white));
        QCOMPARE(back.pixelColor(250 * CardSurface::PrintScale, 100 * CardSurface::PrintScale), QColor(Qt::black));
    }

    void sheetPictureShowsThePaperAsItLiesAndWhatBorderlessTrims()
    {
        Fixture fixture;
        auto window = fixture.open();
        window->setSides(redAndGreen());
        // At ratio 2 every sample has detail of its own, not the small one enlarged.
        for (int mode = PrintMode::First; mode < PrintMode::Kaartpapier; ++mode) {
            window->VScroll1->setValue(mode);
            const QImage enlarged = window->sheetPicture(1).scaled(QSize(260, 360), Qt::IgnoreAspectRatio,
                                                                   Qt::SmoothTransformation);
            QVERIFY2(window->sheetPicture(2) != enlarged, qPrintable(QString("mode %1").arg(mode)));
        }
        // A4 landscape in mode 9: the background above and below the sheet.
        window->VScroll1->setValue(PrintMode::VierOpA4);
        QImage picture = window->sheetPicture(1);
        const QColor background = picture.pixelColor(2, 2);
        QCOMPARE(picture.pixelColor(40, 40), background);
        QCOMPARE(picture.pixelColor(40, 70), QColor(Qt::red));
        // 10 x 15 cm in mode 8: the card fits inside, or covers it borderless.
        window->VScroll1->setValue(PrintMode::Kaartpapier);
        window->ComboPapier->setCurrentIndex(PostcardPaper::TienBijVijftien);
        window->CheckRandloos->setChecked(false);
        QCOMPARE(window->sheetPicture(1).pixelColor(6, 90), QColor(Qt::white));
        window->CheckRandloos->setChecked(true);
        QCOMPARE(window->sheetPicture(1).pixelColor(6, 90), QColor(Qt::red));
        // Both sides: two sheets one above the other, drawn sharp at ratio 2,
        // without the question a printer without duplex gets.
        ScriptedDialogs dialogs;
        window->CheckDubbelzijdig->setChecked(true);
        picture = window->sheetPicture(2);
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(picture.size(), QSize(260, 360));
        QCOMPARE(picture.devicePixelRatio(), 2.0);
        QCOMPARE(picture.pixelColor(130, 90), QColor(Qt::red));
        QVERIFY(picture.pixelColor(130, 270) != background);
        QCOMPARE(picture.pixelColor(130, 180), background);
    }

    void sheetsStandSideBySideOrStackedAndShowTrimmedPartsFaintly()
    {
        // A job of two pages: red on the fronts, green on the backs, each
        // reaching 8 mm beyond the sheet's left edge.
        const auto job = [](QPageLayout::Orientation orientation) {
            return [orientation](PrinterPage& page) {
                page.setPageSetup(PageSetup{QPageSize(QPageSize::A4), orientation, true});
                for (const QColor& colour : {QColor(Qt::red), QColor(Qt::green)}) {
                    if (colour == Qt::green)
                        page.newPage();
                    for (double x = -8; x < 100; x += 0.5)
                        page.drawLine(x, 0, x, 100, colour);
                }
                page.endDocument();
            };
        };
        const QImage portrait = sheetPicture(job(QPageLayout::Portrait), QSize(130, 180), 1, true, QMarginsF());
        QCOMPARE(portrait.pixelColor(20, 60), QColor(Qt::red));
        QCOMPARE(portrait.pixelColor(80, 60), QColor(Qt::green));
        const QImage landscape = sheetPicture(job(QPageLayout::Landscape), QSize(130, 180), 1, true, QMarginsF(10, 0, 0, 0));
        QCOMPARE(landscape.pixelColor(30, 30), QColor(Qt::red));
        QCOMPARE(landscape.pixelColor(30, 120), QColor(Qt::green));
        // What lies beyond the sheet and in the unprintable 10 mm shows faintly.
        for (int x : {4, 8}) {
            const QColor trimmed = landscape.pixelColor(x, 30);
            QVERIFY(trimmed != QColor(Qt::red) && trimmed.red() > trimmed.green() + 20);
        }
        QCOMPARE(landscape.pixelColor(12, 30), QColor(Qt::red));
    }

    void everyControlShowsWholeInEveryMode()
    {
        for (int layout : {1, 19}) {
            Fixture fixture(layout);
            auto window = fixture.open();
            for (int mode = PrintRun::FirstMode; mode <= PrintRun::LastMode; ++mode)
                for (int ticks = 0; ticks < 4; ++ticks) {
                    window->VScroll1->setValue(mode);
                    window->CheckDubbelzijdig->setChecked(ticks & 1);
                    window->Check1->setChecked(ticks & 2);
                    checkNothingCutOff(*window, QStringLiteral("mode %1, layout %2, ticks %3").arg(mode).arg(layout).arg(ticks));
                }
        }
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
