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

AddressRecord record(const QString& naam, const QString& adres, const QString& plaats, const QString& land)
{
    return {naam, adres, plaats, land};
}
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
        QCOMPARE(QPointF(page.pictures[0].x, page.pictures[0].y), QPointF(27, 39));
        QCOMPARE(QPointF(page.pictures[1].x, page.pictures[1].y), QPointF(27, 145));
        for (const auto& picture : page.pictures)
            QCOMPARE(QSizeF(picture.width, picture.height), QSizeF(148.96, 105.31));

        QCOMPARE(page.shapes.size(), 10);
        QCOMPARE(page.shapes[2].y1, 144.0);  // the middle marks lie 0.7 mm above the bottom card
        QCOMPARE(page.shapes[9].x1, 176.0);
        QCOMPARE(page.shapes[9].y2, 280.0);
        for (const auto& mark : page.shapes)
            QCOMPARE(std::hypot(mark.x2 - mark.x1, mark.y2 - mark.y1), 10.0);

        QCOMPARE(page.texts.size(), 2);
        QCOMPARE(page.texts[0].text, QStringLiteral("Snij of knip de kaarten langs de zijlijnen door"));
        QCOMPARE(QPointF(page.texts[0].x, page.texts[0].y), QPointF(60, 265));
        QCOMPARE(page.texts[1].text, QStringLiteral("Draai het papier om en print de adreszijden op de achterkant"));
        QCOMPARE(QPointF(page.texts[1].x, page.texts[1].y), QPointF(45, 255));
        for (const auto& text : page.texts) {
            QCOMPARE(text.font, QStringLiteral("Arial"));
            QCOMPARE(text.pointSize, 12.0);
            QVERIFY(!text.bold);
        }
        QCOMPARE(page.page, 0);
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

    void addressSidesFillTheBlocksOfTheLastMatchingRecords()
    {
        AddressBook book;
        book.senderLine = QStringLiteral("Afz. K. Klaassen");
        book.records = {record("Piet", "Oud adres 1", "1111 AA Oud", "NL"),
                        record("Anna", "Laan 2", "2222 BB Stad", "-"),
                        record("Piet", "Nieuw adres 9", "9999 ZZ Nieuw", "Belgie")};
        RecordingPage page;
        PrintAdresZijden(page, filledCard(Qt::white), book, QStringLiteral("Piet"), QStringLiteral("Anna"));

        QCOMPARE(page.pictures.size(), 2);
        QVERIFY(page.shapes.isEmpty());  // no cut marks on address sides
        QCOMPARE(page.texts.size(), 10);
        const QStringList expected{"Piet", "Nieuw adres 9", "9999 ZZ Nieuw", "Belgie",
                                   "Anna", "Laan 2", "2222 BB Stad", "",
                                   "Afz. K. Klaassen", "Afz. K. Klaassen"};
        const QList<QPointF> positions{{105, 88.5}, {105, 100}, {105, 111.5}, {105, 123},
                                       {105, 194}, {105, 205.5}, {105, 217}, {105, 228.5},
                                       {33, 122.3}, {33, 229}};
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(page.texts[i].text, expected[i]);
            QCOMPARE(QPointF(page.texts[i].x, page.texts[i].y), positions[i]);
            QVERIFY(page.texts[i].bold);
            QCOMPARE(page.texts[i].pointSize, 11.0);
            QVERIFY(page.texts[i].transparent);
        }
    }

    void addressSidesWithOneNameFoundOrNone()
    {
        AddressBook book;
        book.senderLine = QStringLiteral("Afzender");
        book.records = {record("Anna", "Laan 2", "2222 BB Stad", "NL")};

        RecordingPage onlySecond;
        PrintAdresZijden(onlySecond, QImage(), book, QStringLiteral("Selecteer 1e naam"), QStringLiteral("Anna"));
        QCOMPARE(onlySecond.texts.size(), 10);
        QVERIFY(onlySecond.texts[0].text.isEmpty());
        QCOMPARE(onlySecond.texts[4].text, QStringLiteral("Anna"));
        QCOMPARE(onlySecond.texts[8].text, QStringLiteral("Afzender"));

        RecordingPage neither;
        PrintAdresZijden(neither, QImage(), book, QStringLiteral("Selecteer 1e naam"), QStringLiteral("anna"));
        QVERIFY(neither.texts.isEmpty());
        QCOMPARE(neither.pictures.size(), 2);

        RecordingPage withoutBook;
        PrintAdresZijden(withoutBook, QImage(), std::nullopt, QStringLiteral("Anna"), QStringLiteral("Anna"));
        QVERIFY(withoutBook.texts.isEmpty());
        QCOMPARE(withoutBook.pictures.size(), 2);
    }
};

PRENTVEL_TEST(CardSheetsTest)
#include "test_card_sheets.moc"
