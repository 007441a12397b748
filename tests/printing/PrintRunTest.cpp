// The print run apart from the window: what it asks of the page and of the
// address book for each mode, and the checks on typed copies and years.
#include "RecordingPage.h"
#include "common/TestRegistry.h"
#include "printing/PrintRun.h"

#include <QtTest>

namespace {

AddressBook bookOf(int records)
{
    AddressBook book;
    book.senderLine = "Afzender";
    for (int i = 1; i <= records; ++i)
        book.records.append({QStringLiteral("Naam %1").arg(i), "Straat 1", "1234 AB Plaats", "Nederland"});
    return book;
}

QImage plainCard()
{
    QImage card(515, 365, QImage::Format_RGB32);
    card.fill(Qt::blue);
    return card;
}

}

class PrintRunTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyModeSetsUpThePageAndEndsTheDocument()
    {
        for (int mode = PrintRun::FirstMode; mode <= PrintRun::LastMode; ++mode) {
            RecordingPage page;
            PrintRun::Request request;
            request.mode = mode;
            request.copies = 3;
            request.year = 2012;
            request.card = plainCard();
            PrintRun::print(page, request, [] { return std::optional<AddressBook>(bookOf(2)); });
            QCOMPARE(page.calls.mid(0, 2), QList<QString>({"unit", "copies"}));
            QCOMPARE(page.calls.last(), QString("end"));
            QCOMPARE(page.copies, 3);
            QCOMPARE(page.unit, mode == 5 ? PrinterPage::Unit::Twips : PrinterPage::Unit::Millimetres);
            QVERIFY2(page.calls.size() > 3, qPrintable(QString("mode %1 drew nothing").arg(mode)));
        }
    }

    void calendarGetsTheChosenYear()
    {
        RecordingPage page;
        PrintRun::Request request;
        request.mode = 5;
        request.year = 2031;
        request.card = plainCard();
        PrintRun::print(page, request, [] { return std::nullopt; });
        QCOMPARE(page.texts.first().text, QString(" 2031"));
    }

    void addressBookIsReadOnlyWhenAddressesArePrinted()
    {
        struct Case { int mode; bool addressSide; bool withAddresses; int loads; };
        const Case cases[] = {{1, false, true, 0}, {1, true, false, 0}, {1, true, true, 1},
                              {2, false, false, 0}, {4, false, false, 0}, {6, false, false, 1}, {7, false, false, 1}};
        for (const Case& c : cases) {
            RecordingPage page;
            PrintRun::Request request;
            request.mode = c.mode;
            request.addressSide = c.addressSide;
            request.withAddresses = c.withAddresses;
            request.naam1 = "Naam 2";
            request.card = plainCard();
            int loads = 0;
            PrintRun::print(page, request, [&] { ++loads; return std::optional<AddressBook>(bookOf(3)); });
            QCOMPARE(loads, c.loads);
        }
    }

    void listAndLabelsReportTheirCountOnlyWithABook()
    {
        PrintRun::Request request;
        request.mode = 7;
        RecordingPage labels;
        QCOMPARE(PrintRun::print(labels, request, [] { return std::optional<AddressBook>(bookOf(22)); }),
                 QString("Print 22 etiketten"));
        request.mode = 6;
        RecordingPage list;
        QCOMPARE(PrintRun::print(list, request, [] { return std::optional<AddressBook>(bookOf(0)); }),
                 QString("Print 0 adressen"));
        RecordingPage missing;
        QCOMPARE(PrintRun::print(missing, request, [] { return std::nullopt; }), QString());
    }

    void theOffsetMovesEverythingInEveryMode()
    {
        // Every coordinate printed moves by the offset, in mm or, for the
        // calendar, the same distance in twips; sizes stay. (The landscape
        // pages of postcard paper turn the offset; PostcardSheetsTest.)
        for (int mode = PrintRun::FirstMode; mode <= PrintMode::Etiketten; ++mode) {
            PrintRun::Request request;
            request.mode = mode;
            request.year = 2030;
            request.card = plainCard();
            const auto book = [] { return std::optional<AddressBook>(bookOf(25)); };
            RecordingPage plain;
            PrintRun::print(plain, request, book);
            request.offsetX = 1.5;
            request.offsetY = -2.5;
            RecordingPage shifted;
            PrintRun::print(shifted, request, book);

            const double scale = mode == 5 ? 1440 / 25.4 : 1;
            const double dx = 1.5 * scale;
            const double dy = -2.5 * scale;
            QCOMPARE(shifted.texts.size(), plain.texts.size());
            QCOMPARE(shifted.shapes.size(), plain.shapes.size());
            QCOMPARE(shifted.pictures.size(), plain.pictures.size());
            for (int i = 0; i < plain.texts.size(); ++i) {
                QCOMPARE(shifted.texts[i].x, plain.texts[i].x + dx);
                QCOMPARE(shifted.texts[i].y, plain.texts[i].y + dy);
            }
            for (int i = 0; i < plain.shapes.size(); ++i) {
                const auto& a = plain.shapes[i];
                const auto& b = shifted.shapes[i];
                QCOMPARE(QList<double>({b.x1, b.y1, b.x2, b.y2}), QList<double>({a.x1 + dx, a.y1 + dy, a.x2 + dx, a.y2 + dy}));
            }
            for (int i = 0; i < plain.pictures.size(); ++i) {
                const auto& a = plain.pictures[i];
                const auto& b = shifted.pictures[i];
                QCOMPARE(QList<double>({b.x, b.y, b.width, b.height}), QList<double>({a.x + dx, a.y + dy, a.width, a.height}));
            }
        }
    }

    void aPageWithoutCopiesGetsEachCopyAsItsOwnSetOfPages()
    {
        struct FilePage : RecordingPage {
            bool printsCopies() const override { return false; }
        };
        PrintRun::Request request;
        request.mode = 6;
        request.copies = 3;
        int loads = 0;
        FilePage file;
        const QString result = PrintRun::print(file, request, [&] { ++loads; return std::optional<AddressBook>(bookOf(51)); });
        QCOMPARE(loads, 1);
        QCOMPARE(file.copies, 1);
        QCOMPARE(file.page + 1, 3 * 2);                  // 51 rows take two sheets
        QCOMPARE(file.textsOnPage(2).first().text, QString("Nr."));
        QCOMPARE(file.textsOnPage(2).size(), file.textsOnPage(0).size());
        QCOMPARE(result, QString("Print 51 adressen"));

        // A printer makes the copies itself: one set, the count passed on.
        RecordingPage printer;
        PrintRun::print(printer, request, [] { return std::optional<AddressBook>(bookOf(51)); });
        QCOMPARE(printer.copies, 3);
        QCOMPARE(printer.page + 1, 2);
    }

    void typedCopiesAndYears()
    {
        QCOMPARE(PrintRun::copies(" 4 "), std::optional<int>(4));
        QCOMPARE(PrintRun::copies("10"), std::optional<int>(10));
        for (const char* bad : {"", "0", "11", "2.5", "twee", "-1", "99999999999"})
            QVERIFY2(!PrintRun::copies(bad), bad);
        QCOMPARE(PrintRun::year("2016"), std::optional<int>(2016));
        for (const char* bad : {"", "1582", "10000", "20a6"})
            QVERIFY2(!PrintRun::year(bad), bad);
        const QStringList years = PrintRun::yearItems(2025);
        QCOMPARE(years.first(), QString("2009"));
        QCOMPARE(years.last(), QString("2035"));
    }
};

PRENTVEL_TEST(PrintRunTest)
#include "PrintRunTest.moc"
