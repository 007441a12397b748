// The thumbnail a card file keeps, and prentvel-thumbnailer that hands it to
// the desktop: read exactly, scaled to the size asked, and nothing at all
// (with a non-zero exit) for a file that is no card file or has none.
#include "TestCardFiles.h"
#include "common/TestRegistry.h"

#include <QDir>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {

// The thumbnailer's exit code, or -1 when it crashed or hung.
int runThumbnailer(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(PRENTVEL_THUMBNAILER), arguments);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

bool near(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) < 16 && qAbs(qGreen(a) - qGreen(b)) < 16 && qAbs(qBlue(a) - qBlue(b)) < 16;
}

}

class ThumbnailerTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder;

    QString path(const QString& name) const { return folder.filePath(name); }

private Q_SLOTS:
    void storedThumbnailIsReadExactly()
    {
        const QImage stored = quarters(QSize(256, 182));
        QVERIFY(writeCardFile(path("nine.prentvel"), stored, 9, 2 * 1024 * 1024));
        const QImage read = CardFile::storedThumbnail(path("nine.prentvel"));
        QCOMPARE(read.size(), stored.size());
        QCOMPARE(read.convertToFormat(QImage::Format_RGB32), stored);
    }

    void noThumbnailWithoutACardFile_data()
    {
        QTest::addColumn<QString>("name");
        const QByteArray thumbnail = pngBytes(quarters(QSize(64, 48)));
        const ZipMember member{"Thumbnails/thumbnail.png", thumbnail, false};
        const auto zip = [this](const char* name, const QList<ZipMember>& members) {
            QVERIFY(writeZip(path(name), members));
            QTest::newRow(name) << QString::fromLatin1(name);
        };
        zip("plain.zip", {member});
        zip("mimetype-second.zip", {member, mimetypeMember()});
        zip("mimetype-deflated.zip", {{"mimetype", mimetypeMember().bytes, false}, member});
        zip("other-type.zip", {{"mimetype", "application/x-prentvelx"}, member});
        zip("no-thumbnail.zip", {mimetypeMember(), {"preview.png", thumbnail}});
        zip("thumbnail-no-png.zip", {mimetypeMember(), {member.name, QByteArray(5000, 'x')}});
        zip("thumbnail-too-large.zip", {mimetypeMember(), {member.name, pngBytes(quarters(QSize(300, 200)))}});
        // A PNG cut off after its header: the size reads, the pixels do not.
        zip("thumbnail-cut.zip", {mimetypeMember(), {member.name, thumbnail.left(60)}});

        QVERIFY(writeCardFile(path("whole.prentvel"), quarters(QSize(64, 48))));
        QFile whole(path("whole.prentvel"));
        QVERIFY(whole.open(QIODevice::ReadOnly));
        const QByteArray bytes = whole.readAll();
        const auto file = [this](const char* name, const QByteArray& content) {
            QFile out(path(name));
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(content) == content.size());
            QTest::newRow(name) << QString::fromLatin1(name);
        };
        file("text.prentvel", "Groeten uit Zeeland\n");
        file("empty.prentvel", QByteArray());
        file("truncated.prentvel", bytes.left(bytes.size() - 40));
        // A changed byte in the thumbnail's compressed data fails its checksum.
        QByteArray damaged = bytes;
        const qsizetype data = bytes.indexOf("Thumbnails/thumbnail.png") + 24;
        damaged[data + 20] = char(damaged[data + 20] ^ 0x55);
        file("damaged.prentvel", damaged);

        QVERIFY(::mkfifo(QFile::encodeName(path("fifo.prentvel")).constData(), 0600) == 0);
        QTest::newRow("fifo") << QStringLiteral("fifo.prentvel");
        QVERIFY(QDir(folder.path()).mkdir("folder.prentvel"));
        QTest::newRow("folder") << QStringLiteral("folder.prentvel");
        QTest::newRow("missing") << QStringLiteral("missing.prentvel");
    }

    void noThumbnailWithoutACardFile()
    {
        QFETCH(QString, name);
        QVERIFY(CardFile::storedThumbnail(path(name)).isNull());
    }

    void thumbnailerWritesTheSizeAsked_data()
    {
        QTest::addColumn<QSize>("stored");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("landscape halved") << QSize(256, 182) << "128" << QSize(128, 91);
        QTest::newRow("portrait") << QSize(182, 256) << "64" << QSize(46, 64);
        QTest::newRow("never enlarged") << QSize(256, 182) << "512" << QSize(256, 182);
        QTest::newRow("default size") << QSize(256, 182) << QString() << QSize(256, 182);
    }

    void thumbnailerWritesTheSizeAsked()
    {
        QFETCH(QSize, stored);
        QFETCH(QString, size);
        QFETCH(QSize, expected);
        const QString card = path("card.prentvel"), output = path("thumbnail.png");
        QFile::remove(output);
        QVERIFY(writeCardFile(card, quarters(stored)));
        const QStringList arguments = size.isEmpty() ? QStringList{card, output} : QStringList{"-s", size, card, output};
        QCOMPARE(runThumbnailer(arguments), 0);

        QImageReader reader(output);
        QCOMPARE(reader.format(), QByteArray("png"));
        const QImage written = reader.read();
        QCOMPARE(written.size(), expected);
        const int w = written.width(), h = written.height();
        QVERIFY(near(written.pixel(w / 4, h / 4), qRgb(255, 0, 0)));
        QVERIFY(near(written.pixel(3 * w / 4, h / 4), qRgb(0, 255, 0)));
        QVERIFY(near(written.pixel(w / 4, 3 * h / 4), qRgb(0, 0, 255)));
        QVERIFY(near(written.pixel(3 * w / 4, 3 * h / 4), qRgb(255, 255, 0)));
    }

    void thumbnailerFailsWithoutOutput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QVERIFY(writeCardFile(path("good.prentvel"), quarters(QSize(64, 48))));
        QVERIFY(writeZip(path("bare.prentvel"), {mimetypeMember()}));
        QFile text(path("text.txt"));
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("geen kaart") > 0);
        text.close();
        const QString out = path("out.png");
        QTest::newRow("no card file") << QStringList{"-s", "128", path("text.txt"), out};
        QTest::newRow("no thumbnail") << QStringList{"-s", "128", path("bare.prentvel"), out};
        QTest::newRow("missing file") << QStringList{"-s", "128", path("missing.prentvel"), out};
        QTest::newRow("size zero") << QStringList{"-s", "0", path("good.prentvel"), out};
        QTest::newRow("size no number") << QStringList{"-s", "groot", path("good.prentvel"), out};
        QTest::newRow("no output named") << QStringList{"-s", "128", path("good.prentvel")};
        QTest::newRow("output folder missing") << QStringList{path("good.prentvel"), path("nowhere/out.png")};
    }

    void thumbnailerFailsWithoutOutput()
    {
        QFETCH(QStringList, arguments);
        QFile::remove(path("out.png"));
        const int code = runThumbnailer(arguments);
        QVERIFY2(code > 0, qPrintable(QString::number(code)));
        QVERIFY(!QFile::exists(path("out.png")));
        QVERIFY(!QFile::exists(path("nowhere/out.png")));
    }
};

PRENTVEL_TEST(ThumbnailerTest)
#include "ThumbnailerTest.moc"
