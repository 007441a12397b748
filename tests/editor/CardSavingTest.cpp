#include "app/Main.h"
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"
#include "editor/CardSaving.h"
#include "EditorTestSupport.h"
#include "platform/ProgramFolder.h"

#include <QAction>
#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class CardSavingTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private Q_SLOTS:
    void bmpAndJpegHoldTheCard()
    {
        Main main;
        ScriptedDialogs dialogs;
        main.card.filledBox(0, 0, 514, 200, RGB(200, 30, 30));
        dialogs.files << dir.filePath("kaart") << dir.filePath("kaart.jpg"); // no extension is added
        main.FileSaveAs[1]->trigger();
        main.FileSaveAs[2]->trigger();
        QCOMPARE(dialogs.fileFilters, QStringList({"Bitmap (*.bmp)|*.bmp", "Jpg format (*.jpg)|*.jpg"}));
        QVERIFY(dialogs.messages.isEmpty());

        QFile bmp(dir.filePath("kaart"));
        QVERIFY(bmp.open(QIODevice::ReadOnly) && bmp.read(30).at(28) == 24); // 24 bits per pixel
        QCOMPARE(QImage(dir.filePath("kaart"), "bmp").convertToFormat(QImage::Format_RGB32), main.card.image());

        const QImage jpeg(dir.filePath("kaart.jpg"), "jpeg");
        QCOMPARE(jpeg.size(), QSize(515, 365));
        QVERIFY(qAbs(jpeg.pixelColor(257, 100).red() - 200) < 8);
        // The JPEG says its colours are sRGB.
        QCOMPARE(jpeg.colorSpace(), QColorSpace(QColorSpace::SRgb));
        QVERIFY(!QFile::exists(QDir(programFolder()).filePath("mydummy.bmp")));
    }

    void failuresAreReportedAndLeaveNothingBehind()
    {
        Main main;
        ScriptedDialogs dialogs;
        main.FileSaveAs[1]->trigger(); // cancelled: silent
        QVERIFY(QDir(dir.path()).mkdir("map.jpg"));
        dialogs.files << dir.filePath("weg/kaart.bmp") << dir.filePath("map.jpg");
        main.FileSaveAs[1]->trigger();
        main.FileSaveAs[2]->trigger();
        QCOMPARE(dialogs.messages.size(), 2);
        QVERIFY(dialogs.messages.at(0).text.startsWith("De kaart is niet opgeslagen"));
        QVERIFY(!QFile::exists(dir.filePath("weg/kaart.bmp")));
        QVERIFY(!QFile::exists(QDir(programFolder()).filePath("mydummy.bmp")));
        QCOMPARE(TemporaryBitmap(dir.path()).path(), QDir(dir.path()).filePath("mydummy.bmp"));
    }

    void jpegSaveGetsPastAForeignTemporaryFile()
    {
        // The program folder cannot take the bitmap, and something not ours
        // already holds its name in the shared temporary folder.
        const QByteArray savedTemp = qgetenv("TMPDIR");
        QVERIFY(QDir(dir.path()).mkpath("tmp/mydummy.bmp"));
        qputenv("TMPDIR", dir.filePath("tmp").toLocal8Bit());
        QString used;
        QString failure;
        {
            const TemporaryBitmap bitmap(dir.filePath("bestaat-niet"));
            used = bitmap.path();
            QImage card(515, 365, QImage::Format_RGB32);
            card.fill(Qt::blue);
            failure = saveCardAsJpeg(card, dir.filePath("kaart.jpg"), 90, used);
        }
        qputenv("TMPDIR", savedTemp);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY(used.startsWith(dir.filePath("tmp/")));
        QVERIFY(!QFile::exists(used));
        QCOMPARE(QDir(dir.filePath("tmp")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"mydummy.bmp"});
        QCOMPARE(QImage(dir.filePath("kaart.jpg")).size(), QSize(515, 365));
    }
};

PRENTVEL_TEST(CardSavingTest)
#include "CardSavingTest.moc"
