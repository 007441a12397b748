#include "SamplePictures.h"
#include "common/TestRegistry.h"
#include "platform/PictureLoader.h"

#include <QTemporaryDir>
#include <sys/stat.h>
#include <QtTest>

namespace {

QByteArray withBytes(QByteArray data, int offset, const QByteArray& bytes)
{
    return data.replace(offset, bytes.size(), bytes);
}

// The offset of the frame header's height in a baseline JPEG.
int frameHeaderSizeOffset(const QByteArray& jpeg)
{
    return jpeg.indexOf("\xFF\xC0") + 5;
}

QByteArray jpegClaiming(int width, int height)
{
    QByteArray jpeg = encoded(QImage(16, 16, QImage::Format_RGB32), "JPG");
    const char size[] = {char(height >> 8), char(height), char(width >> 8), char(width)};
    return withBytes(jpeg, frameHeaderSizeOffset(jpeg), QByteArray(size, 4));
}

}

class PictureLoaderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void loadsEachFormatOpaque()
    {
        const QImage picture = twoHalves(40, 20, Qt::red, Qt::blue);
        QImage withAlpha = picture.convertToFormat(QImage::Format_ARGB32);
        withAlpha.setPixel(35, 10, qRgba(0, 0, 0, 0));
        for (const QByteArray& data : {encoded(picture, "JPG"), encoded(picture, "BMP"), gifOf(picture),
                                       WmfBuilder().placeable(QRect(0, 0, 40, 20))}) {
            const auto loaded = PictureLoader::loadFromData(data);
            QVERIFY(loaded);
            QCOMPARE(loaded->image.format(), QImage::Format_RGB32);
            QCOMPARE(QSize(loaded->width, loaded->height), QSize(40, 20));
        }
        // Transparent pixels end up white.
        const auto transparentGif = PictureLoader::loadFromData(gifOf(picture, 1));
        QVERIFY(transparentGif);
        const QRgb left = transparentGif->image.pixel(5, 5);
        const QRgb right = transparentGif->image.pixel(35, 5);
        QVERIFY(isNear(left, Qt::white) != isNear(right, Qt::white));
    }

    void loadsFromAFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("zee.JPG");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(encoded(twoHalves(64, 48, Qt::red, Qt::blue), "JPG"));
        file.close();
        const auto loaded = PictureLoader::load(path);
        QVERIFY(loaded);
        QVERIFY(isNear(loaded->image.pixel(5, 5), Qt::red));
        QVERIFY(!PictureLoader::load(dir.filePath("missing.jpg")));
        QVERIFY(!PictureLoader::load(dir.path()));
    }

    void turnsPhotosUpright()
    {
        // Left half red, right half blue; orientation 6 is a quarter turn clockwise.
        const QImage picture = twoHalves(40, 20, Qt::red, Qt::blue);
        const auto turned = PictureLoader::loadFromData(jpegWithOrientation(picture, 6));
        QVERIFY(turned);
        QCOMPARE(QSize(turned->width, turned->height), QSize(20, 40));
        QCOMPARE(turned->image.size(), QSize(20, 40));
        QVERIFY(isNear(turned->image.pixel(10, 5), Qt::red));
        QVERIFY(isNear(turned->image.pixel(10, 35), Qt::blue));

        const auto mirrored = PictureLoader::loadFromData(jpegWithOrientation(picture, 2));
        QVERIFY(mirrored);
        QVERIFY(isNear(mirrored->image.pixel(5, 10), Qt::blue));
    }

    void decodesLargePicturesAtReducedScale()
    {
        const QImage photo = twoHalves(1600, 800, Qt::red, Qt::blue);
        const auto small = PictureLoader::loadFromData(jpegWithOrientation(photo, 8), QSize(100, 100));
        QVERIFY(small);
        QCOMPARE(QSize(small->width, small->height), QSize(800, 1600));
        QVERIFY(small->image.width() >= 100 && small->image.height() >= 100);
        QVERIFY(small->image.width() < 400);
        QVERIFY(isNear(small->image.pixel(small->image.width() / 2, small->image.height() - 5), Qt::red));

        // 96 million pixels decode at a scale that fits in memory, with or without a target.
        const QByteArray huge = jpegClaiming(12000, 8000);
        for (QSize target : {QSize(), QSize(258, 182)}) {
            const auto loaded = PictureLoader::loadFromData(huge, target);
            QVERIFY(loaded);
            QCOMPARE(QSize(loaded->width, loaded->height), QSize(12000, 8000));
            QVERIFY(qint64(loaded->image.width()) * loaded->image.height() * 4 <= 256 << 20);
            QVERIFY(loaded->image.width() >= 258 && loaded->image.height() >= 182);
        }
    }

    void picturesThatFitIn256MegabytesLoadInFull()
    {
        // 35 megapixels: 140 MB decoded, past Qt's own default limit.
        const auto jpeg = PictureLoader::loadFromData(jpegClaiming(7000, 5000));
        QVERIFY(jpeg);
        QCOMPARE(jpeg->image.size(), QSize(7000, 5000));
        const auto bmp = PictureLoader::loadFromData(flatRle8Bmp(7000, 5000), QSize(258, 182));
        QVERIFY(bmp);
        QCOMPARE(QSize(bmp->width, bmp->height), QSize(7000, 5000));
        QVERIFY(isNear(bmp->image.pixel(100, 100), QColor(0xC0, 0x80, 0x20)));
        // 68 megapixels would take 272 MB: refused, as a BMP cannot be reduced while decoding.
        QVERIFY(!PictureLoader::loadFromData(flatRle8Bmp(8250, 8250), QSize(258, 182)));
    }

    void progressiveJpegsAreLimitedInScansAndMemory()
    {
        const QByteArray progressive = progressiveJpeg(twoHalves(64, 48, Qt::red, Qt::blue));
        QVERIFY(progressive.count("\xFF\xDA") > 1);
        // The scan bomb: a hundred scans still load, one more is refused.
        const auto hundred = PictureLoader::loadFromData(jpegWithScans(progressive, 100));
        QVERIFY(hundred);
        QVERIFY(isNear(hundred->image.pixel(5, 5), Qt::red));
        QVERIFY(!PictureLoader::loadFromData(jpegWithScans(progressive, 101)));
        QVERIFY(!PictureLoader::loadFromData(jpegWithScans(progressive, 3000), QSize(258, 182)));

        // The size bomb: 10000 x 10000 keeps 300 MB of coefficients whatever
        // the decoding scale; a baseline file of that size still loads reduced.
        for (QSize target : {QSize(), QSize(258, 182)})
            QVERIFY(!PictureLoader::loadFromData(jpegClaimingSize(progressive, 10000, 10000), target));
        QVERIFY(PictureLoader::loadFromData(jpegClaiming(10000, 10000), QSize(258, 182)));
        // 8000 x 7000 keeps 168 MB of coefficients: decoded at half scale to fit.
        const auto reduced = PictureLoader::loadFromData(jpegClaimingSize(progressive, 8000, 7000));
        QVERIFY(reduced);
        QCOMPARE(QSize(reduced->width, reduced->height), QSize(8000, 7000));
        QCOMPARE(reduced->image.size(), QSize(4000, 3500));
    }

    void refusesFilesThatAreNotPlainFiles()
    {
        QTemporaryDir dir;
        const QByteArray fifo = QFile::encodeName(dir.filePath("foto.jpg"));
        QCOMPARE(mkfifo(fifo.constData(), 0600), 0);
        QVERIFY(!PictureLoader::load(QFile::decodeName(fifo), QSize(258, 182)));    // would wait for a writer
    }

    void refusesDamagedAndHugeFiles_data()
    {
        QTest::addColumn<QByteArray>("data");
        const QImage picture = twoHalves(40, 20, Qt::red, Qt::blue);
        const QByteArray jpeg = encoded(picture, "JPG");
        const QByteArray bmp = encoded(picture, "BMP");
        const QByteArray gif = gifOf(picture);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a picture") << QByteArray("Beste Jan, hierbij de foto's.");
        QTest::newRow("truncated jpeg") << jpeg.left(jpeg.size() - 10);
        QTest::newRow("jpeg cut in its headers") << jpeg.left(200);
        QTest::newRow("jpeg header garbled") << withBytes(jpeg, frameHeaderSizeOffset(jpeg) - 3, "\xFF\xFF\x00\x00\x00");
        QTest::newRow("jpeg claiming 120 megapixels") << jpegClaiming(12000, 10000);
        QTest::newRow("truncated bmp") << bmp.left(bmp.size() - 10);
        QTest::newRow("bmp pixel offset past the end") << withBytes(bmp, 10, QByteArray("\xFF\xFF\x00\x00", 4));
        QTest::newRow("bmp claiming 50000 x 50000") << withBytes(bmp, 18, QByteArray("\x50\xC3\x00\x00\x50\xC3\x00\x00", 8));
        QTest::newRow("truncated gif") << gif.left(gif.size() - 40);
        QTest::newRow("gif without an image") << gif.left(13 + 768) + ";";
        QTest::newRow("gif claiming 65535 x 65535") << withBytes(gif, 6, QByteArray("\xFF\xFF\xFF\xFF", 4));
        QTest::newRow("damaged metafile") << WmfBuilder().record(0x012D, {5}).placeable(QRect(0, 0, 10, 10));
    }

    void refusesDamagedAndHugeFiles()
    {
        QFETCH(QByteArray, data);
        QVERIFY(!PictureLoader::loadFromData(data));
        QVERIFY(!PictureLoader::loadFromData(data, QSize(258, 182)));
    }
};

PRENTVEL_TEST(PictureLoaderTest)
#include "test_PictureLoader.moc"
