#include "RecordingPage.h"
#include "common/TestRegistry.h"
#include "printing/PageBuilders.h"

#include <QtTest>

namespace {
AddressBook bookOf(int size)
{
    AddressBook book;
    for (int i = 1; i <= size; ++i)
        book.records.append({QStringLiteral("Naam %1").arg(i), QStringLiteral("Straat %1").arg(i),
                             QStringLiteral("1234 AB Dorp"), QStringLiteral("NL")});
    return book;
}

// The top-left of every label, taken from the name lines.
QList<QPointF> labelCorners(const RecordingPage& page, int onPage)
{
    QList<QPointF> corners;
    for (const auto& text : page.textsOnPage(onPage))
        if (text.text.startsWith("Naam"))
            corners << QPointF(text.x, text.y);
    return corners;
}
}

class AddressSheetsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listBreaksAfterFiftyRowsAndNumbersOn()
    {
        RecordingPage page;
        const PrintResult result = PrintAdresLijst(page, bookOf(51));
        QCOMPARE(result.message, QStringLiteral("Print 51 adressen"));
        QCOMPARE(page.page, 1);

        const auto first = page.textsOnPage(0);
        QCOMPARE(first.size(), 6 + 50 * 5);
        QCOMPARE(first[5].text, QString(160, '-'));
        QCOMPARE(QPointF(first[5].x, first[5].y), QPointF(5, 15));
        QVERIFY(first[0].bold && !first[6].bold);
        QCOMPARE(first.last().y, 265.0);

        const auto second = page.textsOnPage(1);
        QVERIFY(second[0].text == "Nr." && second[0].bold);
        QCOMPARE(second[6].text, QStringLiteral(" 51"));
        QCOMPARE(QPointF(second[6].x, second[6].y), QPointF(5, 20));
        QCOMPARE(second.size(), 6 + 5);
    }

    void listOfExactlyFiftyEndsWithAHeadingOnlyPage()
    {
        RecordingPage page;
        PrintAdresLijst(page, bookOf(50));
        QCOMPARE(page.page, 1);
        QCOMPARE(page.textsOnPage(1).size(), 6);
    }

    void emptyOrMissingBook()
    {
        RecordingPage list, labels, missingList, missingLabels;
        QCOMPARE(PrintAdresLijst(list, AddressBook()).message, QStringLiteral("Print 0 adressen"));
        QCOMPARE(PrintEtiketten(labels, AddressBook(), LabelSettings()).message, QStringLiteral("Print 0 etiketten"));
        QCOMPARE(list.texts.size(), 6);
        QVERIFY(labels.texts.isEmpty());

        // Without a book nothing is reported; the list has already printed its heading.
        const PrintResult result = PrintAdresLijst(missingList, std::nullopt);
        QVERIFY(!result.bookRead && result.message.isEmpty());
        QCOMPARE(missingList.texts.size(), 6);
        QVERIFY(!PrintEtiketten(missingLabels, std::nullopt, LabelSettings()).bookRead);
        QVERIFY(missingLabels.texts.isEmpty());
    }

    void dashFieldsShowInTheListButNotOnLabels()
    {
        AddressBook book;
        book.records.append({"Naam", "-", "1234 AB Dorp", "NL"});
        RecordingPage list, labels;
        PrintAdresLijst(list, book);
        PrintEtiketten(labels, book, LabelSettings());
        QCOMPARE(list.texts[6 + 2].text, QStringLiteral("-"));
        QCOMPARE(list.texts[6 + 2].x, 70.0);
        QCOMPARE(labels.texts[1].text, QString());
        QCOMPARE(labels.texts[2].y, labels.texts[0].y + 10);
    }

    void labelsFillTwentyOneThenStartASecondSheet()
    {
        RecordingPage page;
        const PrintResult result = PrintEtiketten(page, bookOf(22), LabelSettings());
        QCOMPARE(result.message, QStringLiteral("Print 22 etiketten"));
        const auto corners = labelCorners(page, 0);
        QCOMPARE(corners.size(), 21);
        for (int i = 0; i < 21; ++i)
            QCOMPARE(corners[i], QPointF(9 + 66 * (i % 3), 16 + 38 * (i / 3)));
        QCOMPARE(labelCorners(page, 1), QList<QPointF>{QPointF(9, 16)});
        QCOMPARE(page.texts[0].pointSize, 10.0);
        QVERIFY(page.texts[0].bold);
    }

    void labelsPerSheetEndsOnlyTheFirstSheet()
    {
        LabelSettings settings;
        settings.width = 105;  // two in a row
        settings.perSheet = 4;
        RecordingPage page;
        PrintEtiketten(page, bookOf(20), settings);
        const auto first = labelCorners(page, 0);
        QCOMPARE(first.size(), 4);
        QCOMPARE(first[1], QPointF(9 + 105, 16));
        // Later sheets end only when the rows pass the bottom: seven rows of two.
        QCOMPARE(labelCorners(page, 1).size(), 14);
        QCOMPARE(labelCorners(page, 2).size(), 2);
    }
};

PRENTVEL_TEST(AddressSheetsTest)
#include "test_address_sheets.moc"
