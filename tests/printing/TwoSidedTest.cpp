// Two-sided jobs through the printer-page seam: each back lies behind its
// front once the sheet is turned, with the offsets; the order of the pages,
// the turn question and the fallback when the two-sided job fails.
#include "RecordingPage.h"
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"
#include "printing/AlignmentSheet.h"
#include "printing/AfdrukVoorbeeld.h"
#include "printing/PrintRun.h"

#include <QPrinter>
#include <QtTest>

namespace {

QImage filled(QColor color)
{
    QImage card(515, 365, QImage::Format_RGB32);
    card.fill(color);
    return card;
}

// Both sides of `mode`, addresses on the backs, names 1 to 4.
PrintRun::Request twoSided(int mode)
{
    PrintRun::Request request;
    request.mode = mode;
    request.bothSides = request.withAddresses = true;
    request.card = filled(Qt::blue);
    request.back = filled(Qt::white);
    request.naam1 = "Anna", request.naam2 = "Bert", request.naam3 = "Cor", request.naam4 = "Dirk";
    return request;
}

QString print(PrinterPage& page, const PrintRun::Request& request)
{
    AddressBook book;
    book.senderLine = "Afzender";
    for (const char* name : {"Anna", "Bert", "Cor", "Dirk"})
        book.records.append({name, "Straat 1", "1234 AB Plaats", "-"});
    return PrintRun::print(page, request, [&book] { return std::optional<AddressBook>(book); });
}

QRectF rectOf(const RecordingPage::Picture& p)
{
    return QRectF(p.x, p.y, p.width, p.height);
}

bool same(const QRectF& a, const QRectF& b)
{
    return (a.topLeft() - b.topLeft()).manhattanLength() + (a.bottomRight() - b.bottomRight()).manhattanLength() < 1e-6;
}

}

class TwoSidedTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachBackLiesBehindItsFrontWithTheOffsets()
    {
        // Offsets as (x, y) on the portrait sheet; landscape pages turn them.
        const double offsetX = 0.8, offsetY = -0.6, backX = 0.5, backY = 1.5;
        // The margins are the device's, as the page lies.
        struct Case { const char* what; int mode; PostcardPaper::Id paper; bool borderless; QMarginsF margins; double paperWidth; bool landscape; };
        const Case cases[] = {
            {"A4, asymmetric margins", PrintMode::TweeKaarten, PostcardPaper::A6, false, {3.2, 4, 6.4, 5}, 210, false},
            {"A6", PrintMode::Kaartpapier, PostcardPaper::A6, false, {2, 3, 7, 4}, 148, true},
            {"A6 Randloos", PrintMode::Kaartpapier, PostcardPaper::A6, true, {}, 148, true},
            {"10 x 15", PrintMode::Kaartpapier, PostcardPaper::TienBijVijftien, false, {5, 3, 1, 3}, 152.4, true},
            {"perforated A4", PrintMode::VierOpA4, PostcardPaper::A6, false, {4, 3, 4, 3}, 297, true},
            {"perforated A4 Randloos", PrintMode::VierOpA4, PostcardPaper::A6, true, {}, 297, true},
        };
        for (const Case& c : cases) {
            PrintRun::Request request = twoSided(c.mode);
            request.paper = c.paper;
            request.borderless = c.borderless;
            request.margins = c.margins;   // postcard pages keep inside them themselves
            RecordingPage still, moved;
            for (RecordingPage* page : {&still, &moved}) {
                page->takesBothSides = true;
                page->margins = c.margins;
                print(*page, request);
                request.offsetX = offsetX, request.offsetY = offsetY;
                request.backOffsetX = backX, request.backOffsetY = backY;
            }
            QCOMPARE(moved.askedBothSides, QList<bool>{c.landscape});
            QCOMPARE(moved.page, 1);

            // Seen from the other side of the paper (origin inside the left
            // margin on a page that is not the whole sheet), every front has its back.
            const double left = c.mode == PrintMode::TweeKaarten ? c.margins.left() : 0;
            QList<QRectF> backs;
            for (const auto& p : still.pictures)
                if (p.page == 1)
                    backs << rectOf(p);
            for (const auto& front : still.pictures) {
                if (front.page == 1)
                    continue;
                const QRectF behind = rectOf(front).translated(c.paperWidth - 2 * (front.x + left) - front.width, 0);
                QVERIFY2(std::any_of(backs.begin(), backs.end(), [&](const QRectF& b) { return same(b, behind); }), c.what);
            }
            // The printer offset moves both sides in their own coordinates, the back offset the backs only.
            const auto turned = [&](double x, double y) { return c.landscape ? QPointF(-y, x) : QPointF(x, y); };
            for (int i = 0; i < still.pictures.size(); ++i) {
                const bool back = still.pictures[i].page == 1;
                const QPointF shift = back ? turned(offsetX + backX, offsetY + backY) : turned(offsetX, offsetY);
                QVERIFY2(same(rectOf(moved.pictures[i]), rectOf(still.pictures[i]).translated(shift)), c.what);
            }
            QCOMPARE(still.pictures.size(), 2 * backs.size());
        }
    }

    void addressesGoOnTheBackOfTheirOwnCard()
    {
        // Mode 1: the fronts with cut marks and no turn instruction, the backs
        // as address sides, naam1 on the top card and naam2 below, moved with
        // their card.
        RecordingPage one;
        one.takesBothSides = true;
        one.margins = QMarginsF(3, 4, 6, 5);
        print(one, twoSided(PrintMode::TweeKaarten));
        QCOMPARE(one.textsOnPage(0).size(), 1);   // "Snij of knip ..."
        QVERIFY(std::all_of(one.shapes.begin(), one.shapes.end(), [](const auto& mark) { return mark.page == 0; }));
        const auto backTexts = one.textsOnPage(1);
        const double cardX = 210 - 3 - 27 - 148.96 - 3;   // behind the fronts at 27 mm in the printable area
        QCOMPARE(backTexts[0].text, QString("Anna"));
        QCOMPARE(QPointF(backTexts[0].x, backTexts[0].y), QPointF(cardX + 105 - 27, 88.5));
        QCOMPARE(backTexts[5].text, QString("Bert"));
        QCOMPARE(QPointF(backTexts[9].x, backTexts[9].y), QPointF(cardX + 33 - 27, 229));

        // Mode 9: name i belongs to slot i, whose back lies in the slot beside it.
        RecordingPage four;
        four.takesBothSides = true;
        print(four, twoSided(PrintMode::VierOpA4));
        const auto fourTexts = four.textsOnPage(1);
        QCOMPARE(fourTexts.size(), 4 * 5);
        const struct { const char* name; bool right; bool bottom; } names[] = {
            {"Anna", true, false}, {"Bert", false, false}, {"Cor", true, true}, {"Dirk", false, true}};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(fourTexts[5 * i].text, QString(names[i].name));
            QCOMPARE(fourTexts[5 * i].x > 148.5, names[i].right);
            QCOMPARE(fourTexts[5 * i].y > 105, names[i].bottom);
        }
        QVERIFY(four.textsOnPage(0).isEmpty());   // the fronts carry no addresses

        // Without addresses the address book is not read.
        PrintRun::Request plain = twoSided(PrintMode::Kaartpapier);
        plain.withAddresses = false;
        QVERIFY(!PrintRun::needsAddressBook(plain));
        QVERIFY(PrintRun::needsAddressBook(twoSided(PrintMode::Kaartpapier)));
    }

    void pagesAlternateOrComeInTwoPassesWithTheTurnQuestion()
    {
        // A device that prints both sides: front, back, front, back; no question.
        ScriptedDialogs dialogs;
        PrintRun::Request request = twoSided(PrintMode::Kaartpapier);
        request.copies = 2;
        RecordingPage duplex;
        duplex.takesBothSides = true;
        QCOMPARE(print(duplex, request), QString());
        QCOMPARE(duplex.copies, 1);
        QCOMPARE(duplex.pictures.size(), 4);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(duplex.pictures[i].image, i % 2 ? request.back : request.card);
        QVERIFY(dialogs.messages.isEmpty());

        // One side a pass: the fronts, the question, on Ja the backs as a second job.
        dialogs.answers = {true};
        RecordingPage simplex;
        QCOMPARE(print(simplex, request), QString());
        QCOMPARE(simplex.jobs, 2);
        QCOMPARE(simplex.copies, 2);   // each pass makes its copies on the printer
        QCOMPARE(simplex.pictures.last().page, simplex.firstPageOfJob[1]);
        QCOMPARE(simplex.pictures.last().image, request.back);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].title, QString(" Beide zijden"));
        QVERIFY(dialogs.messages[0].text.startsWith("Leg de bedrukte vellen terug in de papierlade zoals op het plaatje"));
        QVERIFY(!dialogs.pictures.first().isNull());

        // Nee: the fronts stay the only job, and the run says so.
        dialogs.answers = {false};
        RecordingPage stopped;
        QCOMPARE(print(stopped, request), PrintRun::FrontsOnlyMessage);
        QCOMPARE(stopped.jobs, 1);
        QCOMPARE(stopped.pictures.size(), 1);

        // A two-sided job that fails is printed again in two passes.
        dialogs.answers = {true};
        RecordingPage refused;
        refused.takesBothSides = true;
        refused.failingJobs = 1;
        print(refused, request);
        QCOMPARE(refused.jobs, 3);
        QCOMPARE(refused.pictures.last().image, request.back);
        QCOMPARE(refused.pictures.last().page, refused.firstPageOfJob[2]);
        QCOMPARE(dialogs.messages.size(), 3);

        // A failed fronts pass asks nothing.
        RecordingPage broken;
        broken.failingJobs = 1;
        print(broken, request);
        QCOMPARE(broken.jobs, 1);
        QCOMPARE(dialogs.messages.size(), 3);
    }

    void thePreviewShowsFrontsAndBacksWithoutAQuestion()
    {
        // Drawn on a PDF printer, as a PDF file is: both sides, alternately (the
        // alignment test checks the file).
        ScriptedDialogs dialogs;
        QPrinter printer(QPrinter::HighResolution);
        const PrintRun::Request request = twoSided(PrintMode::VierOpA4);
        AfdrukVoorbeeld preview([&request](PrinterPage& page) { print(page, request); }, printer.pageLayout());
        QCOMPARE(preview.pageCount(), 2);
        QVERIFY(dialogs.messages.isEmpty());
    }

    void theAlignmentBackHasItsLinesBehindTheScalesZero()
    {
        const QMarginsF margins(4, 5, 6, 5);
        RecordingPage page;
        page.takesBothSides = true;
        page.margins = margins;
        PrintRun::printAlignmentSheet(page, margins, 1, 2, 0.5, -1);
        QList<QLineF> backLines;
        for (const auto& s : page.shapes)
            if (s.page == 1)
                backLines << QLineF(s.x1, s.y1, s.x2, s.y2);
        QCOMPARE(backLines.size(), 2);
        // In paper mm, before the offsets: the X line on the centre line, the Y line mirrored.
        const QPointF offset(1 + 0.5 - margins.left(), 2 - 1 - margins.top());
        QCOMPARE(backLines[0].p1(), QPointF(210 - BackScaleX[0], BackScaleX[1] - 6) + offset);
        QCOMPARE(backLines[1].p2(), QPointF(210 - BackScaleY[0] + 6, BackScaleY[1]) + offset);
    }
};

PRENTVEL_TEST(TwoSidedTest)
#include "TwoSidedTest.moc"
