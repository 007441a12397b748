// Printing through a real print server: a private cupsd with a cups-pdf
// queue. The PDFs the queue writes are measured with the poppler tools. This
// is a test program of its own, because the server must be named (CUPS_SERVER)
// before the program's first printer query.
#include "PrivateCups.h"
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"
#include "editor/EditorState.h"
#include "platform/CardSurface.h"
#include "printing/Afdrukken.h"
#include "printing/PostcardPaper.h"
#include "printing/PrintModes.h"
#include "printing/PrintRun.h"
#include "printing/PrinterDevicePage.h"
#include "printing/PrintSettings.h"
#include "printing/SessionPrinter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QScrollBar>
#include <QtTest>

namespace {

constexpr double PointsPerMm = 72 / 25.4;
constexpr int RenderDpi = 200;

QString output(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

struct PdfPage {
    QSizeF size;    // mm, as the page is shown (its rotation applied)
    int pages = 0;
};

PdfPage pdfPage(const QString& file)
{
    const QString info = output("pdfinfo", {file});
    PdfPage page;
    const auto size = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+) pts").match(info);
    const auto rotation = QRegularExpression("Page rot:\\s+(\\d+)").match(info);
    page.pages = QRegularExpression("Pages:\\s+(\\d+)").match(info).captured(1).toInt();
    page.size = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble()) / PointsPerMm;
    if (rotation.captured(1).toInt() % 180 == 90)
        page.size.transpose();
    return page;
}

// The lowest resolution of the pictures embedded in the file.
double lowestPpi(const QString& file)
{
    double lowest = 1e9;
    const QStringList lines = output("pdfimages", {"-list", file}).split('\n').mid(2);
    for (const QString& line : lines) {
        const QStringList columns = line.simplified().split(' ');
        if (columns.size() > 13)
            lowest = std::min({lowest, columns[12].toDouble(), columns[13].toDouble()});
    }
    return lowest;
}

QImage render(const QString& file, const QString& prefix, int page = 1)
{
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    const QString number = QString::number(page);
    process.start("pdftoppm", {"-r", QString::number(RenderDpi), "-f", number, "-l", number, "-singlefile", "-png", file, prefix});
    process.waitForFinished(60000);
    return QImage(prefix + ".png").convertToFormat(QImage::Format_RGB32);
}

bool coloured(QRgb pixel)
{
    const int high = std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)});
    const int low = std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)});
    return high - low > 100;
}

// The box, in mm, of the card's colours on a rendered page (cut marks and text are grey).
QRectF colouredBox(const QImage& image)
{
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (coloured(row[x])) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    }
    const double mm = 25.4 / RenderDpi;
    return QRectF(left * mm, top * mm, (right + 1 - left) * mm, (bottom + 1 - top) * mm);
}

const QRgb Blue = qRgb(0, 0, 255), Yellow = qRgb(255, 255, 0), Green = qRgb(0, 160, 0), Red = qRgb(255, 0, 0);

// Where a stripe of `colour` (the card's left edge) starts along a row, in mm, from `fromMm` on.
double stripeFrom(const QImage& image, double rowMm, double fromMm, QRgb colour = Yellow)
{
    const double mm = 25.4 / RenderDpi;
    const int y = int(rowMm / mm);
    for (int x = int(fromMm / mm); x < image.width(); ++x) {
        const QRgb pixel = image.pixel(x, y);
        if (std::abs(qRed(pixel) - qRed(colour)) < 60 && std::abs(qGreen(pixel) - qGreen(colour)) < 60
            && std::abs(qBlue(pixel) - qBlue(colour)) < 60)
            return x * mm;
    }
    return -1;
}

// Whether text (dark pixels) lies in `area`, in mm.
bool darkIn(const QImage& image, const QRectF& area)
{
    const double perMm = RenderDpi / 25.4;
    const QRect pixels = QRectF(area.topLeft() * perMm, area.size() * perMm).toRect().intersected(image.rect());
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (qGray(image.pixel(x, y)) < 60)
                return true;
    return false;
}

bool near(double a, double b, double tolerance)
{
    return std::abs(a - b) <= tolerance;
}

QString describe(const QRectF& r)
{
    return QStringLiteral("(%1, %2) %3 x %4 mm").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QImage stripedCard(QRgb colour, QRgb stripe)
{
    QImage card(515 * 4, 365 * 4, QImage::Format_RGB32);
    card.fill(colour);
    QPainter(&card).fillRect(0, 0, 200, card.height(), QColor::fromRgb(stripe));
    return card;
}

// A two-sided job with the fronts blue and the backs green, each with a
// stripe at its left edge; only naam1 has an address.
PrintRun::Request twoSidedRequest(int mode, SessionPrinter& printer)
{
    PrintRun::Request request;
    request.mode = mode;
    request.bothSides = true;
    request.card = stripedCard(Blue, Yellow);
    request.back = stripedCard(Green, Red);
    request.withAddresses = true;
    request.naam1 = "Anna";
    request.paper = PostcardPaper::A6;
    const PrintModeRow* row = printModeRow(mode);
    if (row->paperWish) {
        const auto paper = printer.paperFor(row->paperWish(request).size, false, QPageLayout::Landscape);
        request.printerPaper = paper->size;
        request.margins = paper->margins;
    }
    return request;
}

std::optional<AddressBook> annasBook()
{
    return AddressBook{"Afzender", {{"Anna", "Laan 1", "1000 AA Stad", "Nederland"}}};
}

// The pages of a PDF the queue wrote, rendered as the job drew them (a
// landscape page the queue turned onto its sheet is turned back).
QList<QImage> renderedPages(const QString& file, const QString& prefix, bool landscape)
{
    const PdfPage info = pdfPage(file);
    const bool turned = (info.size.width() > info.size.height()) != landscape;
    QList<QImage> pages;
    for (int page = 1; page <= info.pages; ++page) {
        const QImage image = render(file, prefix + QString::number(page), page);
        pages << (turned ? image.transformed(QTransform().rotate(90)) : image);
    }
    return pages;
}

}

class PrintServerTest : public QObject {
    Q_OBJECT
    PrivateCups cups_;
    QString queue_;
    QString why_;

private Q_SLOTS:
    void initTestCase()
    {
        why_ = cups_.start();
        if (why_.isEmpty()) {
            queue_ = cups_.addPdfQueue();
            if (queue_.isEmpty())
                why_ = QStringLiteral("no cups-pdf queue could be added");
        }
        // Before any printer query of this program.
        if (why_.isEmpty())
            qputenv("CUPS_SERVER", cups_.socket().toLocal8Bit());
        else
            qWarning("The print server tests are skipped: %s", qPrintable(why_));
    }

    void cleanupTestCase() { cups_.stop(); }

    void thePdfPrinterListsNoPostcardPaperButTakesTheExactSize()
    {
        if (!why_.isEmpty())
            QSKIP(qPrintable(why_));
        const QPrinterInfo info = QPrinterInfo::printerInfo(queue_);
        QVERIFY(!info.isNull());
        const PaperOffer offer{info.supportedPageSizes(), info.supportsCustomPageSizes(), false};
        QVERIFY(offer.customSizes);
        for (const auto paper : {PostcardPaper::A6, PostcardPaper::TienBijVijftien}) {
            const QPageSize wanted = PostcardPaper::pageSize(paper);
            // Not listed: only the custom size gives it.
            QVERIFY(!choosePaper(PaperOffer{offer.sizes, false, false}, wanted, false));
            const auto chosen = choosePaper(offer, wanted, true);
            QVERIFY(chosen);
            QVERIFY(near(chosen->size(QPageSize::Millimeter).width(), wanted.size(QPageSize::Millimeter).width(), 0.01));
        }
        // A4 is its own listed size.
        QVERIFY(choosePaper(offer, QPageSize(QPageSize::A4), false)->key().startsWith("A4"));
    }

    void modesOneEightAndNineComeOutOfTheQueueAtTheirSizes()
    {
        if (!why_.isEmpty())
            QSKIP(qPrintable(why_));
        EditorState state;
        const PrintSettings settings;
        CardSurface card(515, 365);
        card.filledBox(0, 0, 514, 364, RGB(0, 0, 255));
        card.filledBox(0, 0, 51, 364, RGB(255, 255, 0));   // a stripe at the left edge
        SessionPrinter printer;
        printer.printer().setPrinterName(queue_);
        QVERIFY(!printer.printsToFile());

        ScriptedDialogs dialogs;

        // Mode, paper, Randloos, the page (mm) and the card's colours on it;
        // an empty card box: the card fits inside the printer's margins,
        // centred on the sheet.
        struct Job {
            int mode;
            PostcardPaper::Id paper;
            bool borderless;
            QSizeF page;
            QRectF card;
        };
        const Job jobs[] = {
            {PrintMode::TweeKaarten, PostcardPaper::A6, false, {210, 297}, {27, 39, 148.96, 145 + 105.31 - 39}},
            {PrintMode::Kaartpapier, PostcardPaper::A6, false, {148, 105}, {}},
            {PrintMode::Kaartpapier, PostcardPaper::A6, true, {148, 105}, {0, 0, 148, 105}},
            {PrintMode::Kaartpapier, PostcardPaper::TienBijVijftien, false, {152.4, 101.6}, {}},
            {PrintMode::Kaartpapier, PostcardPaper::TienBijVijftien, true, {152.4, 101.6}, {0, 0, 152.4, 101.6}},
            {PrintMode::VierOpA4, PostcardPaper::A6, false, {297, 210}, {0, 0, 297, 210}},
        };
        int number = 0;
        for (const Job& job : jobs) {
            const QString what = QStringLiteral("mode %1, paper %2, Randloos %3").arg(job.mode).arg(job.paper).arg(job.borderless);
            Afdrukken window(state, settings, card, printer, [] { return std::optional<AddressBook>(); });
            window.VScroll1->setValue(job.mode);
            window.ComboPapier->setCurrentIndex(job.paper);
            window.CheckRandloos->setChecked(job.borderless);
            window.Combo1->setEditText("2");
            const QStringList before = QDir(cups_.outputFolder()).entryList({"*.pdf"}, QDir::Files);
            window.PrintKnop_Click();
            QVERIFY2(dialogs.messages.isEmpty(), qPrintable(what));
            const QStringList files = cups_.waitForOutput(before);
            QVERIFY2(!files.isEmpty(), qPrintable(what + ": the queue wrote nothing"));

            int pages = 0;
            for (const QString& name : files)
                pages += pdfPage(QDir(cups_.outputFolder()).filePath(name)).pages;
            QVERIFY2(pages == 2, qPrintable(what + QStringLiteral(": %1 pages for two copies").arg(pages)));

            const QString file = QDir(cups_.outputFolder()).filePath(files.first());
            const PdfPage page = pdfPage(file);
            // The queue puts a landscape page onto the sheet as it is fed,
            // portrait, turned a quarter counter-clockwise.
            const bool turned = (page.size.width() > page.size.height()) != (job.page.width() > job.page.height());
            const QSizeF shown = turned ? page.size.transposed() : page.size;
            QVERIFY2(near(shown.width(), job.page.width(), 0.5) && near(shown.height(), job.page.height(), 0.5),
                     qPrintable(what + QStringLiteral(": page %1 x %2 mm").arg(page.size.width()).arg(page.size.height())));
            QVERIFY2(lowestPpi(file) >= 300, qPrintable(what + QStringLiteral(": %1 ppi").arg(lowestPpi(file))));

            QImage image = render(file, cups_.path("page") + QString::number(++number));
            QVERIFY(!image.isNull());
            if (turned)
                image = image.transformed(QTransform().rotate(90));
            // Sizes the printer reports for its margins (in mm) as the page lies.
            const QMarginsF m = job.mode == PrintMode::TweeKaarten || !job.card.isEmpty()
                ? QMarginsF() : printer.printer().pageLayout().margins(QPageLayout::Millimeter);
            QRectF expected = job.card;
            if (job.mode == PrintMode::TweeKaarten)
                expected.translate(printer.printer().pageLayout().margins(QPageLayout::Millimeter).left(),
                                   printer.printer().pageLayout().margins(QPageLayout::Millimeter).top());
            if (expected.isEmpty()) {
                const double width = job.page.width() - 2 * std::max(m.left(), m.right());
                const double height = job.page.height() - 2 * std::max(m.top(), m.bottom());
                const double scale = std::min(width / 2060, height / 1460);
                expected = QRectF((job.page.width() - 2060 * scale) / 2, (job.page.height() - 1460 * scale) / 2,
                                  2060 * scale, 1460 * scale);
            }
            const QRectF box = colouredBox(image);
            const bool fits = near(box.left(), expected.left(), 0.3) && near(box.top(), expected.top(), 0.3)
                && near(box.width(), expected.width(), 0.3) && near(box.height(), expected.height(), 0.3);
            QVERIFY2(fits, qPrintable(what + ": card at " + describe(box) + ", expected " + describe(expected)));
            // The card's left edge, with its stripe, is on the page's left.
            QVERIFY2(near(stripeFrom(image, expected.top() + 20, 0), expected.left(), 0.3), qPrintable(what));
            if (job.mode == PrintMode::VierOpA4) {
                // Each slot holds a card: the right-hand cards start at the middle.
                QVERIFY2(near(stripeFrom(image, 50, 0), 0, 0.3), qPrintable(what));
                QVERIFY2(near(stripeFrom(image, 160, 140), 148.5, 0.3),
                         qPrintable(what + QStringLiteral(": right card at %1 mm").arg(stripeFrom(image, 160, 140))));
            }
        }
    }

    void aDuplexQueueGetsFrontsAndBacksAlternatelyEachBackBehindItsFront()
    {
        if (!why_.isEmpty())
            QSKIP(qPrintable(why_));
        const QString queue = cups_.addPdfQueue(cups_.duplexDriver());
        QVERIFY(!queue.isEmpty());
        const QList<QPrinter::DuplexMode> modes = QPrinterInfo::printerInfo(queue).supportedDuplexModes();
        QVERIFY(modes.contains(QPrinter::DuplexLongSide) && modes.contains(QPrinter::DuplexShortSide));
        SessionPrinter printer;
        printer.printer().setPrinterName(queue);
        ScriptedDialogs dialogs;

        struct Job { int mode; QSizeF page; const char* sides; };
        const Job jobs[] = {
            {PrintMode::TweeKaarten, {210, 297}, "two-sided-long-edge"},
            {PrintMode::Kaartpapier, {148, 105}, "two-sided-short-edge"},
            {PrintMode::VierOpA4, {297, 210}, "two-sided-short-edge"},
        };
        for (const Job& job : jobs) {
            const QString what = QStringLiteral("mode %1").arg(job.mode);
            const PrintRun::Request request = twoSidedRequest(job.mode, printer);
            const QStringList before = QDir(cups_.outputFolder()).entryList({"*.pdf"}, QDir::Files);
            {
                std::unique_ptr<PrinterDevicePage> page = printer.startJob(nullptr);
                QVERIFY(page);
                QCOMPARE(PrintRun::print(*page, request, annasBook), QString());
                QVERIFY2(!page->failed(), qPrintable(what));
            }
            QVERIFY2(dialogs.messages.isEmpty(), qPrintable(what + ": the duplex printer was asked to turn sheets"));
            QCOMPARE(printer.printer().duplex(), QPrinter::DuplexNone);   // later one-sided jobs stay so
            const QStringList files = cups_.waitForOutput(before);
            QVERIFY2(files.size() == 1, qPrintable(what + ": not one job"));
            QVERIFY2(cups_.lastJobAttributes().contains(job.sides), qPrintable(what + ": no " + job.sides));

            const bool landscape = job.page.width() > job.page.height();
            const QList<QImage> pages = renderedPages(QDir(cups_.outputFolder()).filePath(files.first()),
                                                      cups_.path("duplex") + QString::number(job.mode), landscape);
            QVERIFY2(pages.size() == 2, qPrintable(what + QStringLiteral(": %1 pages").arg(pages.size())));
            // The front first, then the back, each with its stripe on its own left.
            const QRectF front = colouredBox(pages[0]);
            const QRectF back = colouredBox(pages[1]);
            QVERIFY2(near(stripeFrom(pages[0], front.top() + 20, 0), front.left(), 0.3), qPrintable(what));
            QVERIFY2(near(stripeFrom(pages[1], back.top() + 20, 0, Red), back.left(), 0.3), qPrintable(what));
            QVERIFY2(stripeFrom(pages[1], back.top() + 20, 0, Blue) < 0, qPrintable(what + ": a front on the back page"));
            // Turned over the page's vertical axis, the back lies behind the front.
            const QRectF behind(job.page.width() - front.right(), front.top(), front.width(), front.height());
            const bool fits = near(back.left(), behind.left(), 0.3) && near(back.top(), behind.top(), 0.3)
                && near(back.width(), behind.width(), 0.3) && near(back.height(), behind.height(), 0.3);
            QVERIFY2(fits, qPrintable(what + ": back at " + describe(back) + ", expected " + describe(behind)));

            if (job.mode == PrintMode::VierOpA4) {
                // Anna's card lies top left; its back, with her name, top right.
                const QRectF name(80, 50, 30, 4);
                QVERIFY2(darkIn(pages[1], name.translated(148.5, 0)) && !darkIn(pages[1], name), qPrintable(what));
            }
        }
    }

    void aQueueWithoutDuplexPrintsTheBacksAfterTheTurnQuestion()
    {
        if (!why_.isEmpty())
            QSKIP(qPrintable(why_));
        SessionPrinter printer;
        printer.printer().setPrinterName(queue_);
        const PrintRun::Request request = twoSidedRequest(PrintMode::Kaartpapier, printer);
        ScriptedDialogs dialogs;
        dialogs.answers = {true, false};
        for (const bool backs : {true, false}) {
            const QStringList before = QDir(cups_.outputFolder()).entryList({"*.pdf"}, QDir::Files);
            QString result;
            {
                std::unique_ptr<PrinterDevicePage> page = printer.startJob(nullptr);
                QVERIFY(page);
                result = PrintRun::print(*page, request, annasBook);
                QVERIFY(!page->failed());
            }
            QCOMPARE(dialogs.messages.last().text, PrintRun::TurnQuestion);
            QCOMPARE(result, backs ? QString() : PrintRun::FrontsOnlyMessage);
            QCOMPARE(cups_.waitForOutput(before).size(), backs ? 2 : 1);
            QVERIFY(!cups_.lastJobAttributes().contains("two-sided"));
        }
        QCOMPARE(dialogs.messages.size(), 2);
    }

    void aPrinterWithoutThePaperPrintsNothingAndSaysSo()
    {
        if (!why_.isEmpty())
            QSKIP(qPrintable(why_));
        // The same driver without custom sizes: it lists no A6 and takes no other size.
        QFile driver(QString::fromLatin1(PrivateCups::PdfDriver));
        QVERIFY(driver.open(QIODevice::ReadOnly));
        QStringList lines = QString::fromLatin1(driver.readAll()).split('\n');
        lines.erase(std::remove_if(lines.begin(), lines.end(),
                                   [skip = false](const QString& line) mutable {
                                       if (line.startsWith("*VariablePaperSize") || line.startsWith("*CustomPageSize"))
                                           skip = true;
                                       const bool drop = skip || line.contains("CustomPageSize");
                                       if (skip && line.startsWith("*End"))
                                           skip = false;
                                       return drop;
                                   }),
                    lines.end());
        const QString fixedPpd = cups_.path("fixed.ppd");
        QFile fixed(fixedPpd);
        QVERIFY(fixed.open(QIODevice::WriteOnly));
        fixed.write(lines.join('\n').toLatin1());
        fixed.close();
        const QString queue = cups_.addPdfQueue(fixedPpd);
        QVERIFY(!queue.isEmpty());
        QVERIFY(!QPrinterInfo::printerInfo(queue).supportsCustomPageSizes());

        EditorState state;
        const PrintSettings settings;
        CardSurface card;
        SessionPrinter printer;
        printer.printer().setPrinterName(queue);
        ScriptedDialogs dialogs;
        Afdrukken window(state, settings, card, printer, [] { return std::optional<AddressBook>(); });
        window.VScroll1->setValue(PrintMode::Kaartpapier);
        window.ComboPapier->setCurrentIndex(PostcardPaper::A6);
        const QStringList before = QDir(cups_.outputFolder()).entryList({"*.pdf"}, QDir::Files);
        window.PrintKnop_Click();
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages.first().text,
                 QStringLiteral("De printer %1 heeft geen papier A6 (148 x 105 mm). Kies een andere printer of ander papier.")
                     .arg(queue));
        QVERIFY(cups_.waitForOutput(before, 1500).isEmpty());
        // Modes 1 to 7 print on it as before.
        window.VScroll1->setValue(PrintMode::TweeKaarten);
        window.PrintKnop_Click();
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(!cups_.waitForOutput(before).isEmpty());
    }
};

PRENTVEL_TEST(PrintServerTest)
#include "PrintServerTest.moc"
