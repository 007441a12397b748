// Printed sheets carry the card's print copy: read back from a PDF of the
// print window, the card is embedded at more than 300 pixels per inch.
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"
#include "editor/EditorState.h"
#include "platform/CardSurface.h"
#include "printing/Afdrukken.h"
#include "printing/PrintRun.h"
#include "printing/PrintSettings.h"
#include "printing/RecordingPage.h"
#include "printing/SessionPrinter.h"

#include <QComboBox>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The streams of a PDF, inflated where they are compressed.
QList<QByteArray> contentStreams(const QByteArray& pdf)
{
    QList<QByteArray> streams;
    for (int at = pdf.indexOf("stream\n"); at >= 0; at = pdf.indexOf("stream\n", at + 1)) {
        if (at >= 3 && pdf.mid(at - 3, 3) == "end")
            continue;
        const int from = at + 7, to = pdf.indexOf("endstream", from);
        if (to < 0)
            break;
        const QByteArray body = pdf.mid(from, to - from);
        QByteArray sized(4, '\0');
        const quint32 hint = 64u << 20;
        for (int i = 0; i < 4; ++i)
            sized[i] = char((hint >> (24 - 8 * i)) & 0xFF);
        const bool zlib = body.startsWith('\x78');   // the others are JPEG pictures and plain text
        const QByteArray inflated = zlib ? qUncompress(sized + body) : QByteArray();
        streams << (inflated.isEmpty() ? body : inflated);
    }
    return streams;
}

// The resolution of every picture the pages draw, in pixels per inch: a
// picture is drawn into a unit square scaled to its pixel size, under the
// page's matrix (device units to points) and the picture's own.
QList<double> embeddedPpi(const QByteArray& pdf)
{
    static const QRegularExpression page("^[^\\n]*\\n([\\d.]+) 0 0 -[\\d.]+ [\\d.]+ [\\d.]+ cm");
    static const QRegularExpression picture("([\\d.]+) 0 0 ([\\d.]+) [\\d.]+ [\\d.]+ cm\\s*(\\d+) 0 0 -(\\d+) 0 \\d+ cm /Im\\d+\\s+Do");
    QList<double> ppi;
    for (const QByteArray& stream : contentStreams(pdf)) {
        const QString text = QString::fromLatin1(stream);
        const auto pageMatch = page.match(text);
        if (!pageMatch.hasMatch())
            continue;
        const double toPoints = pageMatch.captured(1).toDouble();
        auto pictures = picture.globalMatch(text);
        while (pictures.hasNext()) {
            const auto m = pictures.next();
            const double widthInches = m.captured(3).toDouble() * m.captured(1).toDouble() * toPoints / 72;
            ppi << m.captured(3).toDouble() / widthInches;
        }
    }
    return ppi;
}

}

class PrintQualityTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cardSheetsEmbedThePrintCopyAtMoreThan300Ppi()
    {
        QTemporaryDir dir;
        EditorState state;
        const PrintSettings settings;
        CardSurface card(515, 365);
        card.ellipse(250, 180, 120, RGB(200, 0, 0));
        SessionPrinter printer;
        printer.printer().setOutputFormat(QPrinter::PdfFormat);
        ScriptedDialogs dialogs;
        // Mode, layout (19 is the address side), pictures on the sheet.
        const int jobs[][3] = {{1, 1, 2}, {1, 19, 2}, {2, 1, 2}, {3, 1, 2}, {5, 1, 1}};
        for (const auto& [mode, layout, pictures] : jobs) {
            state.currentLayout = layout;
            printer.printer().setOutputFileName(QString());
            Afdrukken window(state, settings, card, printer, [] { return std::optional<AddressBook>(); });
            window.VScroll1->setValue(mode);
            if (mode == 5)
                window.Combo2->setEditText("2027");
            const QString path = dir.filePath(QStringLiteral("blad%1-%2.pdf").arg(mode).arg(layout));
            dialogs.files << path;
            window.PrintKnop_Click();
            const QByteArray pdf = fileBytes(path);
            QVERIFY(pdf.contains("/Width 2060"));
            const QList<double> ppi = embeddedPpi(pdf);
            QCOMPARE(ppi.size(), pictures);
            for (const double resolution : ppi)
                QVERIFY2(resolution >= 300 && resolution < 360, qPrintable(QStringLiteral("mode %1: %2 ppi").arg(mode).arg(resolution)));
        }
        QVERIFY(dialogs.messages.isEmpty());
    }

    void backPanelsFollowTheCardsResolution()
    {
        RecordingPage page;
        PrintRun::Request request;
        request.mode = 2;
        request.card = QImage(2060, 1460, QImage::Format_RGB32);
        request.card.fill(Qt::blue);
        PrintRun::print(page, request, [] { return std::optional<AddressBook>(); });
        request.mode = 3;
        PrintRun::print(page, request, [] { return std::optional<AddressBook>(); });
        QCOMPARE(page.pictures.size(), 4);
        for (const auto& picture : page.pictures)
            QCOMPARE(picture.image.size(), QSize(2060, 1460));
        QCOMPARE(StockPictures::Achterkant(4).scaled(515, 365, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixel(5, 5),
                 StockPictures::Achterkant().pixel(5, 5));
    }
};

PRENTVEL_TEST(PrintQualityTest)
#include "PrintQualityTest.moc"
