#include "app/Main.h"
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"
#include "editor/CardSaving.h"
#include "EditorTestSupport.h"
#include "platform/BmpToJpeg.h"
#include "platform/ProgramFolder.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}

class CardSavingTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private Q_SLOTS:
    void bmpHoldsExactlyTheCardAtTheChosenPath()
    {
        Main main;
        ScriptedDialogs dialogs;
        main.card.filledBox(20, 30, 120, 90, RGB(200, 10, 60));
        main.card.setPixel(514, 364, RGB(1, 2, 3));
        const QString path = dir.filePath("kaart"); // no extension is added
        dialogs.files << path;
        main.FileSaveAs[1]->trigger();
        QCOMPARE(dialogs.fileFilters.value(0), QStringLiteral("Bitmap (*.bmp)|*.bmp"));
        QVERIFY(dialogs.messages.isEmpty());
        const QByteArray bytes = contents(path);
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(int(bytes.at(28)), 24); // bits per pixel
        QImage saved(path, "bmp");
        QCOMPARE(saved.size(), QSize(515, 365));
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), main.card.image());
    }

    void jpegIsWrittenAndTheTemporaryBitmapRemoved()
    {
        Main main;
        ScriptedDialogs dialogs;
        main.card.filledBox(0, 0, 514, 364, RGB(200, 30, 30));
        const QString path = dir.filePath("kaart.jpg");
        dialogs.files << path;
        main.FileSaveAs[2]->trigger();
        QCOMPARE(dialogs.fileFilters.value(0), QStringLiteral("Jpg format (*.jpg)|*.jpg"));
        QVERIFY(dialogs.messages.isEmpty());
        QVERIFY(contents(path).startsWith("\xFF\xD8\xFF"));
        const QImage saved(path, "jpeg");
        QCOMPARE(saved.size(), QSize(515, 365));
        const QColor middle = saved.pixelColor(257, 182);
        QVERIFY(qAbs(middle.red() - 200) < 8 && qAbs(middle.green() - 30) < 8);
        QVERIFY(!QFileInfo::exists(temporaryBitmapPath(programFolder())));
        QVERIFY(!QFileInfo::exists(QDir(programFolder()).filePath("mydummy.bmp")));
    }

    void failuresAreReportedAndLeaveNothingBehind()
    {
        Main main;
        ScriptedDialogs dialogs;
        main.FileSaveAs[1]->trigger(); // cancelled
        main.FileSaveAs[2]->trigger();
        QVERIFY(dialogs.messages.isEmpty());

        const QString inMissingFolder = dir.filePath("weg/kaart.bmp");
        QVERIFY(QDir(dir.path()).mkdir("map.jpg"));
        dialogs.files << inMissingFolder << dir.filePath("map.jpg");
        main.FileSaveAs[1]->trigger();
        main.FileSaveAs[2]->trigger();
        QCOMPARE(dialogs.messages.size(), 2);
        QVERIFY(dialogs.messages.at(0).text.startsWith("De kaart is niet opgeslagen"));
        QVERIFY(!QFileInfo::exists(inMissingFolder));
        QVERIFY(QFileInfo(dir.filePath("map.jpg")).isDir());
        QVERIFY(!QFileInfo::exists(temporaryBitmapPath(programFolder())));

        // A bitmap the converter cannot read leaves an existing JPEG as it was.
        const QString damaged = dir.filePath("kapot.bmp");
        QFile bmp(damaged);
        QVERIFY(bmp.open(QIODevice::WriteOnly));
        bmp.write("BM\x10\x00 kapot");
        bmp.close();
        const QString existing = writePicture(dir.filePath("oud.jpg"), 10, 10, Qt::green, "jpeg");
        const QByteArray before = contents(existing);
        QVERIFY(!BmpToJpeg(damaged, existing, 90));
        QCOMPARE(contents(existing), before);

        // Without a writable program folder the temporary bitmap goes to the system's temporary folder.
        QCOMPARE(temporaryBitmapPath(dir.filePath("bestaat-niet")), QDir(QDir::tempPath()).filePath("mydummy.bmp"));
        QCOMPARE(temporaryBitmapPath(dir.path()), QDir(dir.path()).filePath("mydummy.bmp"));
    }
};

PRENTVEL_TEST(CardSavingTest)
#include "CardSavingTest.moc"
