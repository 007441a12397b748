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
#include "printing/PrintSettings.h"
#include "printing/SessionPrinter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
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

QImage render(const QString& file, const QString& prefix)
{
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start("pdftoppm", {"-r", QString::number(RenderDpi), "-f", "1", "-l", "1", "-singlefile", "-png", file, prefix});
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

// Where the yellow stripe at the card's left edge starts along a row, in mm, from `fromMm` on.
double yellowFrom(const QImage& image, double rowMm, double fromMm)
{
    const double mm = 25.4 / RenderDpi;
    const int y = int(rowMm / mm);
    for (int x = int(fromMm / mm); x < image.width(); ++x) {
        const QRgb pixel = image.pixel(x, y);
        if (qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) < 80)
            return x * mm;
    }
    return -1;
}

bool near(double a, double b, double tolerance)
{
    return std::abs(a - b) <= tolerance;
}

QString describe(const QRectF& r)
{
    return QStringLiteral("(%1, %2) %3 x %4 mm").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
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
            QVERIFY2(near(yellowFrom(image, expected.top() + 20, 0), expected.left(), 0.3), qPrintable(what));
            if (job.mode == PrintMode::VierOpA4) {
                // Each slot holds a card: the right-hand cards start at the middle.
                QVERIFY2(near(yellowFrom(image, 50, 0), 0, 0.3), qPrintable(what));
                QVERIFY2(near(yellowFrom(image, 160, 140), 148.5, 0.3),
                         qPrintable(what + QStringLiteral(": right card at %1 mm").arg(yellowFrom(image, 160, 140))));
            }
        }
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
