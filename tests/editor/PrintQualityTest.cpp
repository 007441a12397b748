// The print copy of the main card through the editor's own paths: photos,
// text, drawing tools, gradients, frames, the address side and undo, each
// checked against the screen picture; the detail a photo keeps; the saved file.
#include "common/PrintCopyChecks.h"
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"
#include "platform/Random.h"
#include "app/Main.h"
#include "drawing/FotoLaden.h"
#include "drawing/ToolActions.h"
#include "editor/CardSaving.h"
#include "editor/PhotoOpen.h"
#include "editor/TextPrinting.h"
#include "platform/PhotoForCard.h"

#include <QAction>
#include <QColorSpace>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace {

// A photo with detail the screen cannot hold: fine lines, small text and
// colour fields.
QImage detailedPhoto(int width, int height)
{
    QImage photo(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = qRgb(60 + x * 150 / width, 90 + y * 120 / height, 200 - (x + y) * 120 / (width + height));
    }
    QPainter p(&photo);
    p.setPen(QPen(QColor(20, 20, 20), 1));
    for (int x = 0; x < width / 2; x += 5)
        p.drawLine(x, 0, x + 300, height / 3);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(QColor(250, 250, 240));
    for (int y = height / 3; y < height; y += 14)
        p.drawText(width / 3, y, QStringLiteral("Hartelijke groeten uit het kleine dorp aan zee, tot gauw %1").arg(y));
    return photo;
}

// Where `after` differs from `before`.
QRect changedArea(const QImage& before, const QImage& after)
{
    QRect area;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                area |= QRect(x, y, 1, 1);
    return area;
}

// Over the whole card as asked; over the changed area as well, where a
// change missing from the print copy would show.
void checkAgreement(const Main& main, const char* change, const QImage& before = QImage())
{
    const double difference = meanPrintDifference(main.card);
    const QRect area = before.isNull() ? QRect() : changedArea(before, main.card.image());
    const double local = area.isEmpty() ? 0 : meanPrintDifference(main.card, area);
    QVERIFY2(difference <= 3 && local <= 12, qPrintable(QStringLiteral("%1: %2, %3").arg(change).arg(difference).arg(local)));
}

}

class PrintQualityTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyChangeToACardWithAPhotoReachesThePrintCopy()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("foto.jpg");
        QVERIFY(detailedPhoto(1200, 850).save(path, "JPG", 92));
        Main main;
        ScriptedDialogs dialogs;
        main.LayoutKaart[3]->trigger();
        openPhotoFile(main.context(), path);
        openPhotoFile(main.context(), path);
        checkAgreement(main, "photos");

        const Rgb navy{20, 30, 120}, yellow{250, 210, 0};
        const std::vector<std::pair<const char*, std::function<void()>>> changes = {
            {"text", [&] { MaakTekst(main.card, {"Arial", 24, true, true, true}, {true, navy.value(), yellow.value()}, 30, 40, "Zomer 2026"); }},
            {"vertical text", [&] { MaakTekstVertikaal(main.card, "Groeten", {"Arial", 18, false, true, false}, 900, 480, 300, {false, 0, navy.value()}); }},
            {"boxes", [&] {
                 main.card.lineWidth = 4;
                 ToolActions::drawBox(main.card, 20, 200, 150, 330, navy, yellow, CardSurface::Solid);
                 ToolActions::drawBox(main.card, 300, 20, 420, 120, yellow, navy, CardSurface::Cross);
             }},
            {"ellipses", [&] { ToolActions::drawEllipse(main.card, 160, 160, 330, 260, navy, yellow, CardSurface::Solid); }},
            {"freehand", [&] {
                 main.card.lineWidth = 2;
                 for (int i = 0; i < 40; ++i)
                     main.card.line(100 + i * 7, 100 + (i % 5) * 9, 107 + i * 7, 100 + ((i + 1) % 5) * 9, navy.value());
             }},
            {"spray, eraser, circles", [&] {
                 Random::Generator random(3);
                 for (int i = 0; i < 50; ++i) {
                     ToolActions::sprayDot(main.card, 400 + i % 10, 300 + i / 10, navy, Random::next());
                     ToolActions::erase(main.card, 200 + i, 30 + i, 10);
                     ToolActions::colouredCircle(main.card, 60 + i * 8, 330, 5 + i % 4, random);
                 }
             }},
            {"flood fill", [&] { ToolActions::fill(main.card, 80, 260, Rgb{200, 0, 0}); }},
            {"photo import", [&] {
                 dialogs.files << path;
                 FotoLaden(main.context(), 350.5, 150.2, 500.7, 260.9);
             }},
            {"white border", [&] { main.EditLijstrand[5]->trigger(); }},
            {"centre disc", [&] { main.EditLijst[1]->trigger(); }},
            {"centre diamond", [&] { main.EditLijst[2]->trigger(); }},
        };
        for (const auto& [name, change] : changes) {
            const QImage before = main.card.image();
            change();
            checkAgreement(main, name, before);
        }
        QCOMPARE(main.card.point(80, 260), qint64(RGB(200, 0, 0)));
        QCOMPARE(main.card.printImage().pixel(4 * 80 + 3, 4 * 260 + 3), qRgb(200, 0, 0));

        // Undo brings back both copies as they were.
        const QImage screen = main.card.image(), print = main.card.printImage();
        main.EditLijstrand[10]->trigger();
        QVERIFY(main.card.printImage() != print);
        main.ToolsUndo->trigger();
        QCOMPARE(main.card.image(), screen);
        QCOMPARE(main.card.printImage(), print);

        for (int direction = 0; direction <= 5; ++direction) {
            main.GradientRichting[direction]->trigger();
            checkAgreement(main, qPrintable(QStringLiteral("gradient %1").arg(direction)));
        }
        main.LayoutKaart[19]->trigger();
        checkAgreement(main, "address side");
        main.FileNieuw->trigger();
        checkAgreement(main, "new card");
    }

    void aPhotoKeepsItsDetailOnThePrintCopy()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("detail.jpg");
        QVERIFY(detailedPhoto(2400, 1700).save(path, "JPG", 95));
        Main main;
        main.LayoutKaart[1]->trigger();
        openPhotoFile(main.context(), path);
        const QImage reference = QImage(path).convertToFormat(QImage::Format_RGB32)
                                     .scaled(2060, 1460, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage enlarged = main.card.image().scaled(2060, 1460, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double print = psnr(main.card.printImage(), reference), screen = psnr(enlarged, reference);
        QVERIFY2(print >= 30 && print >= screen + 4, qPrintable(QStringLiteral("%1 dB against %2 dB").arg(print).arg(screen)));
        QVERIFY(meanPrintDifference(main.card) <= 3);
    }

    void aRefusedDetailedDecodeFallsBackToTheFrameSize()
    {
        QList<QSize> asked;
        const auto load = [&](const QString&, QSize target) -> std::optional<LoadedPicture> {
            asked << target;
            if (target.width() > 200)
                return std::nullopt;
            QImage image(target, QImage::Format_RGB32);
            image.fill(Qt::red);
            return LoadedPicture{image, 1000, 800};
        };
        const auto picture = loadPhotoForCard("foto.jpg", QSize(100, 70), load);
        QVERIFY(picture.has_value());
        QCOMPARE(picture->image.size(), QSize(100, 70));
        QCOMPARE(asked, (QList<QSize>{QSize(400, 280), QSize(100, 70)}));
        QCOMPARE(loadPhotoForCard("foto.jpg", QSize(30, 20), load)->image.size(), QSize(120, 80));
    }

    void thePrintQualityJpegHoldsThePrintCopyAt351Ppi()
    {
        QTemporaryDir dir;
        Main main;
        ScriptedDialogs dialogs;
        QCOMPARE(main.FileSaveAs[3]->objectName(), QString("FileSaveAs_3"));
        QCOMPARE(main.FileSaveAs[3]->text(), QString("Als Jpg (afdrukkwaliteit)"));
        main.card.ellipse(250, 180, 100, RGB(200, 0, 0));
        const QString path = dir.filePath("kaart.jpg");
        dialogs.files << path << dir.filePath("ontbrekende map/kaart.jpg");
        main.FileSaveAs[3]->trigger();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const int jfif = bytes.indexOf("JFIF");
        QVERIFY(jfif > 0);
        QCOMPARE(int(bytes[jfif + 7]), 1);   // dots per inch
        QCOMPARE((uchar(bytes[jfif + 8]) << 8) | uchar(bytes[jfif + 9]), 351);
        const QImage saved(path);
        QCOMPARE(saved.size(), QSize(2060, 1460));
        QVERIFY(meanDifference(saved, main.card.printImage()) < 3);

        main.FileSaveAs[3]->trigger();   // a folder that is not there
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].text.startsWith("De kaart is niet opgeslagen"));

        // The PNG is the print copy exactly, in sRGB.
        QCOMPARE(main.FileSaveAs[4]->text(), QString("Als Png (afdrukkwaliteit)"));
        dialogs.files << dir.filePath("kaart.png");
        main.FileSaveAs[4]->trigger();
        QCOMPARE(dialogs.fileFilters.last(), QString("Png format (*.png)|*.png"));
        QImage png(dir.filePath("kaart.png"));
        QCOMPARE(png.colorSpace(), QColorSpace(QColorSpace::SRgb));
        QCOMPARE(png.dotsPerMeterX(), PrintCopyDotsPerMetre);
        png.setColorSpace(main.card.printImage().colorSpace());
        QCOMPARE(png.convertToFormat(QImage::Format_RGB32), main.card.printImage().convertToFormat(QImage::Format_RGB32));
    }
};

PRENTVEL_TEST(PrintQualityTest)
#include "PrintQualityTest.moc"
