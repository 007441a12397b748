#include "common/TestRegistry.h"
#include "printing/ImagePage.h"
#include "printing/PageBuilders.h"
#include "printing/PrinterDevicePage.h"

#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class PagesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numbersGetALeadingSpaceInsteadOfAPlus()
    {
        QCOMPARE(printNumberText(51), QStringLiteral(" 51"));
        QCOMPARE(printNumberText(0), QStringLiteral(" 0"));
        QCOMPARE(printNumberText(-3), QStringLiteral("-3"));
    }

    void imagePageDrawsInMillimetresAndStartsFreshPages()
    {
        ImagePage page(QSize(210, 297));  // one pixel per millimetre
        page.drawLine(10, 20, 100, 20, Qt::black);
        page.newPage();
        page.setUnit(PrinterPage::Unit::Twips);
        page.drawRectangle(1440, 1440, 2880, 2880, Qt::black);  // 25.4 to 50.8 mm
        page.endDocument();

        QCOMPARE(page.pages().size(), 2);
        QCOMPARE(page.pages()[0].size(), QSize(210, 297));
        QVERIFY(qGray(page.pages()[0].pixel(50, 20)) < 128);
        QCOMPARE(page.pages()[1].pixel(50, 20), qRgb(255, 255, 255));
        QVERIFY(qGray(page.pages()[1].pixel(38, 25)) < 200);
        QCOMPARE(page.pages()[1].pixel(38, 38), qRgb(255, 255, 255));
    }

    void stockPicturesHaveTheirSizesAndAreTurned()
    {
        const QImage achterkant = StockPictures::Achterkant();
        const QImage portret = StockPictures::Portret();
        QCOMPARE(achterkant.size(), QSize(515, 365));
        QCOMPARE(portret.size(), QSize(515, 365));
        QVERIFY(achterkant != portret);
        QCOMPARE(achterkant.pixel(0, 0), qRgb(255, 255, 255));
        for (int index : {3, 4, 6, 7}) {
            const QImage sample = StockPictures::Img(index);
            QCOMPARE(sample.size(), QSize(130, 180));
            QVERIFY(sample != StockPictures::Img(index == 3 ? 7 : 3));
        }
        QVERIFY(StockPictures::Img(5).isNull());
    }

    void modeOneIntoAPdfFileGivesOneA4Page()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("kaarten.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        {
            PrinterDevicePage page(printer);
            page.setUnit(PrinterPage::Unit::Millimetres);
            page.setCopies(2);
            QImage card(515, 365, QImage::Format_RGB32);
            card.fill(Qt::green);
            PrintTweeKaarten(page, card);
            page.endDocument();
            QVERIFY(page.started() && !page.failed());
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF"));
        const QString text = QString::fromLatin1(pdf);
        QCOMPARE(text.count(QRegularExpression("/Type\\s*/Page(?!s)")), 1);
        QVERIFY(text.contains(QRegularExpression("/MediaBox \\[0 0 595[.0]* 842[.0]*\\]")));
    }

    void aJobThatCannotStartIsReportedAndIgnored()
    {
        QTemporaryDir dir;
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("missing/folder/kaart.pdf"));
        PrinterDevicePage page(printer);
        PrintEnvelop(page);
        page.newPage();
        page.endDocument();
        QVERIFY(page.failed());
    }

    void aDocumentThatCannotBeWrittenOutIsReported()
    {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName("/dev/full"); // every write fails: a full disk
        PrinterDevicePage page(printer);
        PrintEnvelop(page);
        page.endDocument();
        QVERIFY(page.failed());
    }
};

PRENTVEL_TEST(PagesTest)
#include "test_pages.moc"
