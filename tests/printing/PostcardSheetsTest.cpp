// Cards on postcard paper through the printer-page seam: the slots of a
// perforated sheet, the cover crop and bleed, fitting inside the margins,
// address sides, the paper each mode asks for and the turned offsets.
#include "RecordingPage.h"
#include "common/TestRegistry.h"
#include "printing/PostcardPaper.h"
#include "printing/PrintRun.h"

#include <QtTest>

namespace {

// A page that also keeps the paper it was asked for.
struct PaperPage : RecordingPage {
    std::optional<PageSetup> setup;
    void setPageSetup(const PageSetup& s) override { setup = s; }
};

QImage stripedCard(int width = 515, int height = 365)
{
    QImage card(width, height, QImage::Format_RGB32);
    card.fill(Qt::blue);
    for (int y = 0; y < height; ++y)
        card.setPixel(0, y, qRgb(255, 255, 0));   // the left column marks the card's left edge
    return card;
}

AddressBook book()
{
    AddressBook book;
    book.senderLine = "Afzender";
    book.records.append({"Anna", "Laan 1", "1000 AA Stad", "-"});
    book.records.append({"Bert", "Weg 2", "2000 BB Dorp", "Belgie"});
    return book;
}

void compareRect(double x, double y, double w, double h, const QRectF& expected)
{
    QVERIFY2(qAbs(x - expected.x()) < 0.01 && qAbs(y - expected.y()) < 0.01 && qAbs(w - expected.width()) < 0.01
                 && qAbs(h - expected.height()) < 0.01,
             qPrintable(QStringLiteral("(%1, %2) %3 x %4").arg(x).arg(y).arg(w).arg(h)));
}

}

class PostcardSheetsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fourSlotsAreCoveredWithTheCardTrimmedEqually()
    {
        RecordingPage page;
        const QImage card = stripedCard(2060, 1460);
        PrintVierKaarten(page, card, PostcardPage{{297, 210}, false, {}});
        QCOMPARE(page.pictures.size(), 4);
        QVERIFY(page.shapes.isEmpty());   // no cut marks
        const QRectF slots[] = {{0, 0, 148.5, 105}, {148.5, 0, 148.5, 105}, {0, 105, 148.5, 105}, {148.5, 105, 148.5, 105}};
        for (int i = 0; i < 4; ++i) {
            const auto& p = page.pictures[i];
            compareRect(p.x, p.y, p.width, p.height, slots[i]);
            // The card is wider than its slot's shape would be at full height:
            // the whole width stays, rows are trimmed equally top and bottom.
            QCOMPARE(p.image.width(), 2060);
            QVERIFY(p.image.height() < 1460 && p.image.height() > 1450);
            QCOMPARE(p.image.pixel(0, p.image.height() / 2), qRgb(255, 255, 0));
            const double shape = double(p.image.width()) / p.image.height();
            QVERIFY(qAbs(shape - 148.5 / 105) < 0.002);
        }
    }

    void aSingleCardCoversTheSheetAndBleedOrFitsInsideTheMargins()
    {
        const QImage card = stripedCard();
        RecordingPage borderless;
        PrintKaartpapier(borderless, card, PostcardPage{{148, 105}, true, {3, 3, 3, 3}});
        QCOMPARE(borderless.pictures.size(), 1);
        const auto& b = borderless.pictures.first();
        compareRect(b.x, b.y, b.width, b.height, {-1, -1, 150, 107});
        QVERIFY(b.image.width() < 515);   // trimmed at the sides, which overhang
        QCOMPARE(b.image.height(), 365);

        // Margins that differ: centred on the sheet, inside the widest of each pair.
        RecordingPage fitted;
        PrintKaartpapier(fitted, card, PostcardPage{{152.4, 101.6}, false, {2, 5, 6, 3}});
        const auto& f = fitted.pictures.first();
        QCOMPARE(f.image.size(), card.size());
        const double height = 101.6 - 10;
        const double width = height * 515 / 365;
        compareRect(f.x, f.y, f.width, f.height, {(152.4 - width) / 2, 5, width, height});
    }

    void addressSidesCarryTheRecipientsScaledWithTheCardAndTheSenderOnEach()
    {
        RecordingPage single;
        PrintKaartpapier(single, stripedCard(), PostcardPage{{148, 105}, false, {}}, book(), "Bert");
        const auto& card = single.pictures.first();
        const double scale = card.width / CardPrintSize::width;
        QCOMPARE(single.texts.size(), 5);
        QCOMPARE(single.texts[0].text, QString("Bert"));
        QCOMPARE(single.texts[3].text, QString("Belgie"));
        QVERIFY(qAbs(single.texts[0].x - (card.x + 78 * scale)) < 1e-9);
        QVERIFY(qAbs(single.texts[1].y - (card.y + 61 * scale)) < 1e-9);
        QVERIFY(qAbs(single.texts[0].pointSize - 11 * scale) < 1e-9);
        QVERIFY(single.texts[0].bold && single.texts[0].transparent);
        QCOMPARE(single.texts[4].text, QString("Afzender"));
        QVERIFY(qAbs(single.texts[4].y - (card.y + 83.3 * scale)) < 1e-9);

        // Four cards, one recipient each; a prompt or a "-" prints nothing but the sender stays.
        RecordingPage four;
        PrintVierKaarten(four, stripedCard(), PostcardPage{{297, 210}, true, {}}, book(),
                         {"Anna", "Selecteer 2e naam", "Bert", "Anna"});
        QCOMPARE(four.texts.size(), 4 * 5);
        QStringList names, senders;
        for (int i = 0; i < 4; ++i) {
            names << four.texts[5 * i].text;
            senders << four.texts[5 * i + 4].text;
        }
        QCOMPARE(names, QStringList({"Anna", "", "Bert", "Anna"}));
        QCOMPARE(senders, QStringList(4, "Afzender"));
        QCOMPARE(four.texts[3].text, QString());   // Anna's country "-"
        QVERIFY(four.texts[10].x > 148.5 / 2 - 1 && four.texts[10].y > 105);   // third card: bottom left
    }

    void eachModeAsksForItsPaperAndPostcardPagesTurnTheOffset()
    {
        PrintRun::Request request;
        request.card = stripedCard();
        request.offsetX = 2;
        request.offsetY = 1;
        const auto book = [] { return std::optional<AddressBook>(); };
        struct Case { int mode; PostcardPaper::Id paper; QSizeF sheet; QPageLayout::Orientation orientation; bool full; };
        const Case cases[] = {
            {PrintMode::TweeKaarten, PostcardPaper::A6, {210, 297}, QPageLayout::Portrait, false},
            {PrintMode::Kaartpapier, PostcardPaper::A6, {105, 148}, QPageLayout::Landscape, true},
            {PrintMode::Kaartpapier, PostcardPaper::TienBijVijftien, {101.6, 152.4}, QPageLayout::Landscape, true},
            {PrintMode::VierOpA4, PostcardPaper::TienBijVijftien, {210, 297}, QPageLayout::Landscape, true},
        };
        for (const Case& c : cases) {
            request.mode = c.mode;
            request.paper = c.paper;
            PaperPage page;
            PrintRun::print(page, request, book);
            QVERIFY(page.setup);
            const QSizeF size = page.setup->paper.size(QPageSize::Millimeter);
            QVERIFY2(qAbs(size.width() - c.sheet.width()) < 0.1 && qAbs(size.height() - c.sheet.height()) < 0.1,
                     qPrintable(QStringLiteral("mode %1").arg(c.mode)));
            QCOMPARE(page.setup->orientation, c.orientation);
            QCOMPARE(page.setup->fullPage, c.full);
        }

        // The offset is measured on the portrait sheet: 2 mm right, 1 mm down
        // there is 1 mm left and 2 mm down on a landscape page.
        request.mode = PrintMode::Kaartpapier;
        RecordingPage plain, shifted;
        PrintRun::Request still = request;
        still.offsetX = still.offsetY = 0;
        PrintRun::print(plain, still, book);
        PrintRun::print(shifted, request, book);
        QCOMPARE(shifted.pictures.first().x, plain.pictures.first().x - 1);
        QCOMPARE(shifted.pictures.first().y, plain.pictures.first().y + 2);

        // The printer's own borderless paper is the one asked for.
        request.printerPaper = QPageSize(QSizeF(105, 148), QPageSize::Millimeter, "A6.Borderless", QPageSize::ExactMatch);
        PaperPage own;
        PrintRun::print(own, request, book);
        QCOMPARE(own.setup->paper.name(), QString("A6.Borderless"));
    }

    void thePrinterOwnPaperIsChosenBorderlessFirstOrTheExactSize()
    {
        const QPageSize a6(QPageSize::A6);
        const QPageSize plain(QSizeF(105, 148), QPageSize::Millimeter, "A6", QPageSize::ExactMatch);
        const QPageSize variant(QSizeF(105, 148), QPageSize::Millimeter, "A6.FB", QPageSize::ExactMatch);
        PaperOffer offer{{QPageSize(QPageSize::A4), plain, variant}, false, false};
        QCOMPARE(choosePaper(offer, a6, true)->name(), QString("A6.FB"));
        QCOMPARE(choosePaper(offer, a6, false)->name(), QString("A6"));
        // Not listed: custom sizes give the exact size, otherwise nothing.
        const QPageSize tien = PostcardPaper::pageSize(PostcardPaper::TienBijVijftien);
        QVERIFY(!choosePaper(offer, tien, true));
        offer.customSizes = true;
        QVERIFY(qAbs(choosePaper(offer, tien, true)->size(QPageSize::Millimeter).width() - 101.6) < 0.01);
        QVERIFY(choosePaper(PaperOffer{{}, false, true}, tien, false));
        QCOMPARE(missingPaperMessage("Foto", PostcardPaper::caption(PostcardPaper::A6)),
                 QString("De printer Foto heeft geen papier A6 (148 x 105 mm). Kies een andere printer of ander papier."));
    }
};

PRENTVEL_TEST(PostcardSheetsTest)
#include "PostcardSheetsTest.moc"
