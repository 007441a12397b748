// The newer photo formats, their colours, and hostile files of each.
#include "PhotoFiles.h"
#include "SamplePictures.h"
#include "common/TestRegistry.h"
#include "platform/CardSurface.h"
#include "platform/EmbeddedColour.h"
#include "platform/PictureLoader.h"

#include <QBuffer>
#include <QColorSpace>
#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

QByteArray written(const QImage& image, const char* format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    return writer.write(image) ? bytes : QByteArray();
}

QImage onWhite(const QImage& image)
{
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter(&flat).drawImage(0, 0, image);
    return flat;
}

// An uncompressed CMYK TIFF of the picture, with plain ink values.
QByteArray cmykTiff(const QImage& picture)
{
    QByteArray inks;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            inks += char(255 - qRed(p));
            inks += char(255 - qGreen(p));
            inks += char(255 - qBlue(p));
            inks += char(0);
        }
    const quint32 w = quint32(picture.width()), h = quint32(picture.height());
    const quint32 bitsAt = 8 + 2 + 10 * 12 + 4, dataAt = bitsAt + 8;
    return tiffOf({{256, 4, 1, w}, {257, 4, 1, h}, {258, 3, 4, bitsAt}, {259, 3, 1, 1}, {262, 3, 1, 5},
                   {273, 4, 1, dataAt}, {277, 3, 1, 4}, {278, 4, 1, h}, {279, 4, 1, quint32(inks.size())},
                   {284, 3, 1, 1}},
                  QByteArray("\x08\0\x08\0\x08\0\x08\0", 8) + inks);
}

// The PNG with its header rebuilt to claim `width` x `height`.
QByteArray pngClaiming(const QByteArray& png, quint32 width, quint32 height)
{
    QByteArray header = png.mid(16, 13);
    qToBigEndian(width, header.data());
    qToBigEndian(height, header.data() + 4);
    return png.left(8) + pngChunk("IHDR", header) + png.mid(8 + 25);
}

// The HEIF with its stored image size ("ispe") replaced.
QByteArray heifClaiming(QByteArray heif, quint32 width, quint32 height)
{
    const int at = heif.indexOf("ispe");
    if (at < 0)
        return {};
    qToBigEndian(width, heif.data() + at + 8);
    qToBigEndian(height, heif.data() + at + 12);
    return heif;
}

PictureLoadError reasonFor(const QByteArray& data, QSize target = QSize(258, 182))
{
    return PictureLoader::loadFromData(data, target).reason();
}

}

class PictureFormatsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachFormatPutsTheSourceOnTheCard_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QImage>("expected");
        const QImage source = smoothPicture(320, 240);
        QImage transparent = source.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 320; ++x)
                transparent.setPixel(x, y, (transparent.pixel(x, y) & 0x00FFFFFF) | (x < 160 ? 0 : 0x80000000));
        const QImage grey = source.convertToFormat(QImage::Format_Grayscale8);
        const QImage palette = source.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
        const QImage deep = source.convertToFormat(QImage::Format_RGBA64);
        QTest::newRow("png") << written(source, "png") << source;
        QTest::newRow("png 16 bits") << written(deep, "png") << source;
        QTest::newRow("png grey") << written(grey, "png") << grey.convertToFormat(QImage::Format_RGB32);
        QTest::newRow("png palette") << written(palette, "png") << palette.convertToFormat(QImage::Format_RGB32);
        QTest::newRow("png transparent") << written(transparent, "png") << onWhite(transparent);
        QTest::newRow("webp lossless") << written(source, "webp", 100) << source;
        QTest::newRow("webp lossy") << written(source, "webp", 90) << source;
        QTest::newRow("webp transparent") << written(transparent, "webp", 100) << onWhite(transparent);
        QTest::newRow("tiff") << written(source, "tiff") << source;
        QTest::newRow("tiff 16 bits") << written(deep, "tiff") << source;
        QTest::newRow("tiff grey") << written(grey, "tiff") << grey.convertToFormat(QImage::Format_RGB32);
        QTest::newRow("tiff cmyk") << cmykTiff(source) << source;
        QTest::newRow("heic") << heifOf(source) << source;
        QTest::newRow("heic 10 bits") << heifOf(source, {false, 1, {}, false, 10}) << source;
        QTest::newRow("heic transparent") << heifOf(transparent, {false, 1, {}, false, 8, true}) << onWhite(transparent);
        QTest::newRow("heic grid") << heifGridOf(heifOf(source), source.size(), source.size()) << source;
        QTest::newRow("heic overlay") << heifGridOf(heifOf(source), source.size(), source.size(), true) << source;
        QTest::newRow("avif") << heifOf(source, {true}) << source;
        QTest::newRow("avif 12 bits") << heifOf(source, {true, 1, {}, false, 12}) << source;
    }

    void eachFormatPutsTheSourceOnTheCard()
    {
        QFETCH(QByteArray, file);
        QFETCH(QImage, expected);
        if (file.isEmpty())
            QSKIP("this machine's encoder cannot write the file");
        const auto loaded = PictureLoader::loadFromData(file);
        QVERIFY2(loaded, qPrintable(photoLoadMessage("foto", loaded.reason())));
        QCOMPARE(QSize(loaded->width, loaded->height), expected.size());
        QCOMPARE(loaded->image.format(), QImage::Format_RGB32);
        // Both copies of the card, against the source placed directly.
        const QRectF frame(0, 0, 258, 182);
        CardSurface card;
        CardSurface direct;
        card.paintPhoto(PictureLoader::loadFromData(file, QSize(258, 182) * CardSurface::PrintScale)->image, frame);
        direct.paintPhoto(expected, frame);
        QVERIFY2(meanDifference(card.image(), direct.image()) <= 3, QByteArray::number(meanDifference(card.image(), direct.image())));
        QVERIFY(meanDifference(card.printImage(), direct.printImage()) <= 3);
    }

    void theNameDoesNotDecide()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath("strand.jpg"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(written(twoHalves(40, 20, Qt::red, Qt::blue), "png")) > 0);
        file.close();
        const auto loaded = PictureLoader::load(file.fileName());
        QVERIFY(loaded);
        QVERIFY(isNear(loaded->image.pixel(5, 5), Qt::red, 2));
    }

    void heifOrientationIsAppliedOnce_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("red");     // a point that must be red, the rest of its half blue
        QTest::newRow("as stored") << 1 << QSize(40, 20) << QPoint(5, 10);
        QTest::newRow("mirrored") << 2 << QSize(40, 20) << QPoint(35, 10);
        QTest::newRow("half turn") << 3 << QSize(40, 20) << QPoint(35, 10);
        QTest::newRow("quarter turn clockwise") << 6 << QSize(20, 40) << QPoint(10, 5);
        QTest::newRow("quarter turn back") << 8 << QSize(20, 40) << QPoint(10, 35);
    }

    void heifOrientationIsAppliedOnce()
    {
        QFETCH(int, orientation);
        QFETCH(QSize, size);
        QFETCH(QPoint, red);
        // The EXIF block says the same turn; it must not be applied again.
        const QByteArray heic = heifOf(twoHalves(40, 20, Qt::red, Qt::blue), {false, orientation, {}, false, 8, false, orientation});
        QVERIFY(!heic.isEmpty());
        const auto loaded = PictureLoader::loadFromData(heic);
        QVERIFY(loaded);
        QCOMPARE(QSize(loaded->width, loaded->height), size);
        QCOMPARE(loaded->image.size(), size);
        QVERIFY(isNear(loaded->image.pixel(red), Qt::red));
        const QPoint other(size.width() - 1 - red.x(), size.height() - 1 - red.y());
        QVERIFY(isNear(loaded->image.pixel(other), Qt::blue));
    }

    void embeddedProfilesBecomeSrgb_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<double>("tolerance");
        const QImage source = smoothPicture(160, 120);
        const QByteArray wide = wideGamutProfile();
        const QImage inWide = inProfile(source, wide);
        QImage tagged = inWide;
        tagged.setColorSpace(QColorSpace::fromIccProfile(wide));
        // Without conversion these differ from the source by far more.
        QVERIFY(meanDifference(inWide, source) > 10);
        QTest::newRow("png iCCP") << pngWithProfile(written(inWide, "png"), wide) << 3.0;
        QTest::newRow("jpeg APP2 in chunks") << jpegWithProfile(written(inWide, "jpeg", 98), wide, 200) << 3.0;
        QTest::newRow("webp ICCP") << written(tagged, "webp", 100) << 3.0;
        QTest::newRow("tiff tag") << written(tagged, "tiff") << 3.0;
        QTest::newRow("heic icc") << heifOf(inWide, {false, 1, wide}) << 3.0;
        QTest::newRow("avif icc") << heifOf(inWide, {true, 1, wide}) << 3.0;
        QTest::newRow("heic nclx display p3") << heifOf(inProfile(source, displayP3Profile()), {false, 1, {}, true}) << 3.0;
        QTest::newRow("jpeg exif adobe rgb") << jpegMarkedAdobeRgb(written(inProfile(source, adobeRgbProfile()), "jpeg", 98)) << 3.0;
        // Broken or absurd profiles are ignored: the photo is taken as sRGB.
        QTest::newRow("garbage profile") << pngWithProfile(written(source, "png"), QByteArray(2000, 'x')) << 1.0;
        QTest::newRow("huge profile") << jpegWithProfile(written(source, "jpeg", 98), wide + QByteArray(5 << 20, '\0'), 65000) << 3.0;
        QByteArray missingChunk = jpegWithProfile(written(source, "jpeg", 98), wide, 200);
        missingChunk[missingChunk.indexOf("ICC_PROFILE") + 12] = char(9);
        QTest::newRow("profile chunks out of order") << missingChunk << 3.0;
    }

    void embeddedProfilesBecomeSrgb()
    {
        QFETCH(QByteArray, file);
        QFETCH(double, tolerance);
        QVERIFY(!file.isEmpty());
        const auto loaded = PictureLoader::loadFromData(file);
        QVERIFY(loaded);
        const double difference = meanDifference(loaded->image, smoothPicture(160, 120));
        QVERIFY2(difference <= tolerance, QByteArray::number(difference));
    }

    void aChannelSwappingProfileIsHonoured()
    {
        QImage red(16, 16, QImage::Format_RGB32);
        red.fill(Qt::red);
        const QByteArray swapped = redGreenSwappedProfile();
        for (const QByteArray& file : {pngWithProfile(written(red, "png"), swapped), jpegWithProfile(written(red, "jpeg", 95), swapped),
                                       heifOf(red, {false, 1, swapped})}) {
            const auto loaded = PictureLoader::loadFromData(file);
            QVERIFY(loaded);
            QVERIFY2(isNear(loaded->image.pixel(8, 8), Qt::green, 30), qPrintable(QColor(loaded->image.pixel(8, 8)).name()));
        }
    }

    void theReadersFindEachProfile()
    {
        const QByteArray wide = wideGamutProfile();
        QImage tagged = smoothPicture(8, 8);
        tagged.setColorSpace(QColorSpace::fromIccProfile(wide));
        QCOMPARE(EmbeddedColour::jpegProfile(jpegWithProfile(written(smoothPicture(8, 8), "jpeg"), wide, 100)), wide);
        QCOMPARE(EmbeddedColour::pngProfile(pngWithProfile(written(smoothPicture(8, 8), "png"), wide)), wide);
        QCOMPARE(EmbeddedColour::webpProfile(written(tagged, "webp")), wide);
        QCOMPARE(EmbeddedColour::tiffProfile(written(tagged, "tiff")), wide);
        QVERIFY(EmbeddedColour::jpegExifSaysAdobeRgb(jpegMarkedAdobeRgb(written(tagged, "jpeg"))));
        QVERIFY(!EmbeddedColour::jpegExifSaysAdobeRgb(jpegWithOrientation(tagged, 6)));
        // A PNG profile that inflates beyond 4 MB is not read.
        QCOMPARE(EmbeddedColour::pngProfile(pngWithProfile(written(tagged, "png"), QByteArray(5 << 20, 'a'))), QByteArray());
    }

    void hostileFilesAreRefusedWithTheirReason_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("reason");
        const QImage source = smoothPicture(64, 48);
        const QByteArray heic = heifOf(source);
        const QByteArray avif = heifOf(source, {true});
        const QByteArray png = written(source, "png");
        const QByteArray tiff = written(source, "tiff");
        const auto reason = [](PictureLoadError e) { return int(e); };
        QTest::newRow("heic claiming 50000 x 50000") << heifClaiming(heic, 50000, 50000) << reason(PictureLoadError::TooManyPixels);
        QTest::newRow("avif claiming 40000 x 40000") << heifClaiming(avif, 40000, 40000) << reason(PictureLoadError::TooManyPixels);
        // libheif builds a grid at its canvas size, whatever its size property says.
        QTest::newRow("heic grid claiming 64 x 48") << heifGridOf(heic, {26482, 26980}, {64, 48}) << reason(PictureLoadError::TooManyPixels);
        QTest::newRow("heic overlay claiming 64 x 48") << heifGridOf(heic, {26482, 26980}, {64, 48}, true) << reason(PictureLoadError::TooManyPixels);
        QTest::newRow("heic grid beyond memory") << heifGridOf(heic, {8000, 6000}, {8000, 6000}) << reason(PictureLoadError::TooLarge);
        QByteArray lostGrid = heifGridOf(heic, {64, 48}, {64, 48});
        lostGrid.replace("idat", "free");
        QTest::newRow("heic grid without its data") << lostGrid << reason(PictureLoadError::Damaged);
        // libheif aborts on an overlay or identity made of an item that is no picture.
        for (const char* derivation : {"iovl", "iden"}) {
            QByteArray dangling = heifGridOf(heic, {64, 48}, {64, 48}, true);
            dangling.replace("iovl", derivation);
            dangling.replace(QByteArray::fromHex("64696d67000200010001"), QByteArray::fromHex("64696d67000200010003"));
            QTest::newRow(qPrintable(QStringLiteral("%1 of a missing item").arg(derivation))) << dangling << reason(PictureLoadError::Damaged);
        }
        QTest::newRow("truncated heic") << heic.left(heic.size() * 2 / 3) << reason(PictureLoadError::Damaged);
        QTest::newRow("heic cut in its boxes") << heic.left(100) << reason(PictureLoadError::Damaged);
        // 20 MB of zeros in 20 kB: the image data of a 16 x 16 picture.
        const QByteArray zeros(20 << 20, '\0');
        QByteArray bomb = png.left(8) + pngChunk("IHDR", pngClaiming(png, 16, 16).mid(16, 13))
            + pngChunk("IDAT", qCompress(zeros, 9).mid(4)) + pngChunk("IEND", {});
        QTest::newRow("png bomb") << bomb << reason(PictureLoadError::Damaged);
        QTest::newRow("truncated png") << png.left(png.size() - 30) << reason(PictureLoadError::Damaged);
        QTest::newRow("16-bit png beyond memory") << pngClaiming(written(source.convertToFormat(QImage::Format_RGBA64), "png"), 6000, 6000)
                                                << reason(PictureLoadError::TooLarge);
        QTest::newRow("png claiming 20000 x 20000") << pngClaiming(png, 20000, 20000) << reason(PictureLoadError::TooManyPixels);
        QTest::newRow("tiff with huge tiles") << tiffOf({{256, 4, 1, 100}, {257, 4, 1, 100}, {258, 3, 1, 8}, {262, 3, 1, 1},
                                                         {322, 4, 1, 1u << 20}, {323, 4, 1, 1u << 20}, {324, 4, 1, 8}, {325, 4, 1, 10}})
                                              << reason(PictureLoadError::Damaged);
        QTest::newRow("tiff strips past the end") << tiffOf({{256, 4, 1, 100}, {257, 4, 1, 100}, {258, 3, 1, 8}, {262, 3, 1, 1},
                                                             {273, 4, 1, 8}, {278, 4, 1, 100}, {279, 4, 1, 0xFFFFFF00}})
                                                  << reason(PictureLoadError::Damaged);
        QTest::newRow("truncated tiff") << tiff.left(tiff.size() / 2) << reason(PictureLoadError::Damaged);
        QTest::newRow("truncated webp") << written(source, "webp").left(60) << reason(PictureLoadError::Damaged);
        QTest::newRow("text") << QByteArray("Beste Jan, hierbij de foto's.") << reason(PictureLoadError::Unsupported);
    }

    void hostileFilesAreRefusedWithTheirReason()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, reason);
        QVERIFY(!file.isEmpty());
        QCOMPARE(int(reasonFor(file)), reason);
        QCOMPARE(int(reasonFor(file, QSize())), reason);
    }

    // With PRENTVEL_FUZZ_SEEDS set to a folder, first writes the seeds only
    // encoders can make there. Every seed of the loader's corpus loads.
    void theFuzzSeedsAreRealPictures()
    {
        const QString seeds = qEnvironmentVariable("PRENTVEL_FUZZ_SEEDS");
        if (!seeds.isEmpty()) {
            const QImage small = smoothPicture(24, 16);
            QImage transparent = small.convertToFormat(QImage::Format_ARGB32);
            transparent.setPixel(3, 3, 0);
            QImage tagged = small;
            tagged.setColorSpace(QColorSpace::fromIccProfile(displayP3Profile()));
            const std::pair<const char*, QByteArray> files[] = {
                {"lossy.webp", written(small, "webp", 80)}, {"lossless-transparent.webp", written(transparent, "webp", 100)},
                {"profile.webp", written(tagged, "webp", 80)}, {"profile.tif", written(tagged, "tiff")},
                {"plain.heic", heifOf(small)}, {"turned-transparent.heic", heifOf(transparent, {false, 6, {}, false, 8, true})},
                {"display-p3.heic", heifOf(small, {false, 1, {}, true})}, {"profile.avif", heifOf(small, {true, 1, displayP3Profile()})},
                {"twelve-bits.avif", heifOf(small, {true, 3, {}, false, 12})},
                {"grid.heic", heifGridOf(heifOf(small), small.size(), small.size())},
                {"overlay.heic", heifGridOf(heifOf(small), small.size(), small.size(), true)}};
            for (const auto& [name, bytes] : files) {
                QFile file(QDir(seeds).filePath(name));
                QVERIFY(!bytes.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
            }
        }
        const QDir corpus(QStringLiteral(PRENTVEL_SOURCE_DIR "/fuzz/corpus/picture_loader"));
        const QStringList names = corpus.entryList(QDir::Files);
        QVERIFY(names.size() > 20);
        for (const QString& name : names)
            QVERIFY2(PictureLoader::load(corpus.filePath(name), QSize(10, 10)), qPrintable(name));
    }

    void filesThatCannotBeReadSaySo()
    {
        QTemporaryDir dir;
        QCOMPARE(PictureLoader::load(dir.filePath("weg.heic")).reason(), PictureLoadError::Unreadable);
        QCOMPARE(PictureLoader::load(dir.path()).reason(), PictureLoadError::Unreadable);
        QCOMPARE(photoLoadMessage("zee.heic", PictureLoadError::TooManyPixels),
                 QString("zee.heic kan niet als foto worden geopend: de foto is te groot (meer dan 100 miljoen pixels)."));
        QCOMPARE(photoLoadMessage("zee.heic", PictureLoadError::TooLarge),
                 QString("zee.heic kan niet als foto worden geopend: de foto is te groot om te openen."));
    }
};

PRENTVEL_TEST(PictureFormatsTest)
#include "PictureFormatsTest.moc"
