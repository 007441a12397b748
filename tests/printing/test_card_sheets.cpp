#include "RecordingPage.h"
#include "common/TestRegistry.h"
#include "printing/PageBuilders.h"

#include <QtTest>

namespace {
QImage filledCard(QColor color)
{
    QImage card(515, 365, QImage::Format_RGB32);
    card.fill(color);
    return card;
}

QPointF at(const RecordingPage::Text& text) { return {text.x, text.y}; }
}

class CardSheetsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void twoCardsWithCutMarksAndBothInstructions()
    {
        RecordingPage page;
        const QImage card = filledCard(Qt::red);
        PrintTweeKaarten(page, card);

        QCOMPARE(page.pictures.size(), 2);
        QCOMPARE(page.pictures[0].image, card);
        QCOMPARE(QRectF(page.pictures[0].x, page.pictures[0].y, page.pictures[0].width, page.pictures[0].height),
                 QRectF(27, 39, 148.96, 105.31));
        QCOMPARE(QRectF(page.pictures[1].x, page.pictures[1].y, page.pictures[1].width, page.pictures[1].height),
                 QRectF(27, 145, 148.96, 105.31));

        QCOMPARE(page.shapes.size(), 10);
        QCOMPARE(page.shapes[2].y1, 144.0);  // the middle marks lie 0.7 mm above the bottom card
        QCOMPARE(QLineF(page.shapes[9].x1, page.shapes[9].y1, page.shapes[9].x2, page.shapes[9].y2),
                 QLineF(176, 270, 176, 280));
        for (const auto& mark : page.shapes)
            QCOMPARE(std::hypot(mark.x2 - mark.x1, mark.y2 - mark.y1), 10.0);

        QCOMPARE(page.texts.size(), 2);
        QCOMPARE(page.texts[0].text, QStringLiteral("Snij of knip de kaarten langs de zijlijnen door"));
        QCOMPARE(at(page.texts[0]), QPointF(60, 265));
        QCOMPARE(page.texts[1].text, QStringLiteral("Draai het papier om en print de adreszijden op de achterkant"));
        QCOMPARE(at(page.texts[1]), QPointF(45, 255));
        QVERIFY(page.texts[1].pointSize == 12 && !page.texts[1].bold);
    }

    void doubleCardsPutTheBackPanelInItsSlotWithoutTurnOverText()
    {
        const QImage card = filledCard(Qt::blue);
        RecordingPage liggend, staand;
        PrintDubbelLiggend(liggend, card);
        PrintDubbelStaand(staand, card);

        QCOMPARE(liggend.pictures[0].image, StockPictures::Achterkant());
        QCOMPARE(liggend.pictures[1].image, card);
        QCOMPARE(staand.pictures[0].image, card);
        QCOMPARE(staand.pictures[1].image, StockPictures::Portret());
        for (const RecordingPage* page : {&liggend, &staand}) {
            QCOMPARE(page->shapes.size(), 10);
            QCOMPARE(page->texts.size(), 1);
            QCOMPARE(page->texts[0].y, 265.0);
        }
    }

    void addressSidesTakeTheLastMatchingRecords()
    {
        AddressBook book;
        book.senderLine = QStringLiteral("Afz. K. Klaassen");
        book.records = {{"Piet", "Oud adres 1", "1111 AA Oud", "NL"},
                        {"Anna", "Laan 2", "2222 BB Stad", "-"},
                        {"Piet", "Nieuw adres 9", "9999 ZZ Nieuw", "Belgie"}};
        RecordingPage page;
        PrintAdresZijden(page, filledCard(Qt::white), book, QStringLiteral("Piet"), QStringLiteral("Anna"));

        QCOMPARE(page.pictures.size(), 2);
        QVERIFY(page.shapes.isEmpty());  // no cut marks on address sides
        // Each card with its own addresses.
        const QStringList expected{"Piet", "Nieuw adres 9", "9999 ZZ Nieuw", "Belgie", "Afz. K. Klaassen",
                                   "Anna", "Laan 2", "2222 BB Stad", "", "Afz. K. Klaassen"};
        const QList<double> ys{88.5, 100, 111.5, 123, 122.3, 194, 205.5, 217, 228.5, 229};
        QCOMPARE(page.texts.size(), 10);
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(page.texts[i].text, expected[i]);
            QCOMPARE(at(page.texts[i]), QPointF(i % 5 < 4 ? 105 : 33, ys[i]));
            QVERIFY(page.texts[i].bold && page.texts[i].pointSize == 11 && page.texts[i].transparent);
        }
    }

    void addressSidesWithOneNameFoundOrNone()
    {
        AddressBook book;
        book.senderLine = QStringLiteral("Afzender");
        book.records = {{"Anna", "Laan 2", "2222 BB Stad", "NL"}};

        RecordingPage onlySecond;
        PrintAdresZijden(onlySecond, QImage(), book, QStringLiteral("Selecteer 1e naam"), QStringLiteral("Anna"));
        QCOMPARE(onlySecond.texts.size(), 10);
        QVERIFY(onlySecond.texts[0].text.isEmpty());
        QCOMPARE(onlySecond.texts[5].text, QStringLiteral("Anna"));
        QCOMPARE(onlySecond.texts[4].text, QStringLiteral("Afzender"));

        RecordingPage neither, withoutBook;
        PrintAdresZijden(neither, QImage(), book, QStringLiteral("Selecteer 1e naam"), QStringLiteral("anna"));
        PrintAdresZijden(withoutBook, QImage(), std::nullopt, QStringLiteral("Anna"), QStringLiteral("Anna"));
        for (const RecordingPage* page : {&neither, &withoutBook}) {
            QVERIFY(page->texts.isEmpty());
            QCOMPARE(page->pictures.size(), 2);
        }
    }
};

PRENTVEL_TEST(CardSheetsTest)
#include "test_card_sheets.moc"
