#include "SamplePictures.h"
#include "common/TestRegistry.h"
#include "platform/WmfReader.h"
#include "platform/WmfRecords.h"

#include <QtTest>

using namespace Wmf;

namespace {

// Records that make the pen null and select a solid brush of `rgb` (0x00BBGGRR).
void solidBrush(WmfBuilder& b, int slot, quint32 rgb)
{
    b.record(CreateBrushIndirect, {0, int(rgb & 0xFFFF), int(rgb >> 16), 0}).record(SelectObject, {slot});
}

WmfBuilder shapes()
{
    WmfBuilder b;
    b.record(CreatePenIndirect, {5, 0, 0, 0, 0}).record(SelectObject, {0});
    solidBrush(b, 1, 0x0000FF);                                   // red
    b.record(Rectangle, {40, 40, 10, 10});                        // bottom, right, top, left
    b.record(DeleteObject, {1});
    solidBrush(b, 1, 0xFF0000);                                   // blue, in the freed slot
    b.record(Ellipse, {90, 90, 60, 60});
    solidBrush(b, 2, 0x00FF00);                                   // green
    b.record(Polygon, {3, 60, 10, 90, 10, 90, 40});
    QImage cyan(2, 2, QImage::Format_RGB32);
    cyan.fill(Qt::cyan);
    b.record(StretchDib, WmfBuilder::words({0x0020, 0x00CC, 0, 2, 2, 0, 0, 30, 30, 60, 10}) + dib24(cyan));
    return b;
}

QByteArray withRecord(quint16 function, const QByteArray& params)
{
    WmfBuilder b;
    b.record(function, params);
    return b.placeable(QRect(0, 0, 100, 100));
}

QByteArray withRecords(std::initializer_list<std::pair<quint16, std::initializer_list<int>>> records)
{
    WmfBuilder b;
    for (const auto& record : records)
        b.record(record.first, record.second);
    return b.placeable(QRect(0, 0, 100, 100));
}

QByteArray patched(QByteArray data, int offset, std::initializer_list<int> bytes)
{
    for (int byte : bytes)
        data[offset++] = char(byte);
    return data;
}

QByteArray dibWithHeader(int headerSize, int bitCount, int colorsUsed, int compression, const QByteArray& rest)
{
    QByteArray h = WmfBuilder::words({headerSize, 0, 4, 0, 4, 0, 1, bitCount, compression, 0, 0, 0, 0, 0, 0, 0,
                                      colorsUsed, 0, 0, 0});
    return h + rest;
}

QByteArray stretchDib(const QByteArray& dib)
{
    return withRecord(StretchDib, WmfBuilder::words({0x0020, 0x00CC, 0, 4, 4, 0, 0, 4, 4, 0, 0}) + dib);
}

}

class WmfReaderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rendersShapesWhereTheyAre()
    {
        const auto picture = WmfReader::read(shapes().placeable(QRect(0, 0, 100, 100)));
        QVERIFY(picture);
        const QImage& image = picture->image;
        QCOMPARE(image.size(), QSize(100, 100));
        QCOMPARE(image.format(), QImage::Format_RGB32);
        QVERIFY(isNear(image.pixel(25, 25), Qt::red));
        QVERIFY(isNear(image.pixel(75, 75), Qt::blue));
        QVERIFY(isNear(image.pixel(61, 61), Qt::white));    // outside the ellipse, inside its box
        QVERIFY(isNear(image.pixel(85, 20), Qt::green));
        QVERIFY(isNear(image.pixel(65, 35), Qt::white));    // the other side of the triangle's diagonal
        QVERIFY(isNear(image.pixel(25, 75), Qt::cyan));
        QVERIFY(isNear(image.pixel(5, 95), Qt::white));
    }

    void mapsTheWindowOntoThePicture()
    {
        // A plain metafile: its window makes the picture, 200 units wide at 1 pixel each.
        WmfBuilder b;
        b.record(SetWindowOrg, {100, 100}).record(SetWindowExt, {100, 200});
        b.record(CreatePenIndirect, {5, 0, 0, 0, 0}).record(SelectObject, {0});
        solidBrush(b, 1, 0x000000);
        b.record(Rectangle, {200, 300, 150, 200});    // the right half of the lower half
        const auto plain = WmfReader::read(b.plain());
        QVERIFY(plain);
        QCOMPARE(plain->fullSize, QSize(200, 100));
        QVERIFY(isNear(plain->image.pixel(150, 75), Qt::black));
        QVERIFY(isNear(plain->image.pixel(50, 75), Qt::white));
        QVERIFY(isNear(plain->image.pixel(150, 25), Qt::white));

        // Asked for a smaller target, the picture plays at reduced scale but keeps its size.
        const auto small = WmfReader::read(b.plain(), QSize(50, 20));
        QVERIFY(small);
        QCOMPARE(small->image.size(), QSize(50, 25));
        QCOMPARE(small->fullSize, QSize(200, 100));
        QVERIFY(isNear(small->image.pixel(37, 19), Qt::black));
    }

    void drawsText()
    {
        WmfBuilder b;
        b.record(CreateFontIndirect, WmfBuilder::words({-40, 0, 0, 0, 700, 0, 0, 0}) + QByteArray("Sans\0", 5));
        b.record(SelectObject, {0}).record(SetBkMode, {1});
        b.record(TextOut, WmfBuilder::words({4}) + QByteArray("MMMM") + WmfBuilder::words({30, 10}));
        const auto picture = WmfReader::read(b.placeable(QRect(0, 0, 200, 100)));
        QVERIFY(picture);
        int dark = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 200; ++x)
                dark += qGray(picture->image.pixel(x, y)) < 100 ? (y >= 30 && y < 75 && x >= 10 ? 1 : -1000) : 0;
        QVERIFY2(dark > 200, "the text is drawn below and right of its reference point");
    }

    void capsTheRaster()
    {
        // A 32767-unit box at 96 units per inch would be 32767 pixels wide.
        const QByteArray huge = WmfBuilder().placeable(QRect(-16384, -16384, 32767, 16384));
        const auto picture = WmfReader::read(huge, QSize(100, 50));
        QVERIFY(picture);
        QCOMPARE(picture->fullSize, QSize(WmfReader::kMaxRasterSide, WmfReader::kMaxRasterSide / 2));
        QVERIFY(picture->image.width() <= 101);

        // The largest-record field is never trusted.
        QVERIFY(WmfReader::read(patched(shapes().placeable(QRect(0, 0, 100, 100)), 22 + 12, {0xFF, 0xFF, 0xFF, 0xFF})));
    }

    void limitsTheWorkNotTheTime()
    {
        // A million records play; one more is refused.
        WmfBuilder b;
        for (int i = 0; i < 1'000'000; ++i)
            b.record(SetBkMode, {i & 1 ? 1 : 2});
        QVERIFY(WmfReader::read(b.placeable(QRect(0, 0, 100, 100))));
        b.record(SetBkMode, {1});
        QVERIFY(!WmfReader::read(b.placeable(QRect(0, 0, 100, 100))));

        // 64 drawn pixels per pixel of the picture: 64 rectangles over the
        // whole picture, whatever its size, but not 65.
        WmfBuilder covers;
        solidBrush(covers, 0, 0x0000FF);
        for (int i = 0; i < 64; ++i)
            covers.record(Rectangle, {100, 100, 0, 0});
        for (QSize target : {QSize(), QSize(30, 30)})
            QVERIFY(WmfReader::read(covers.placeable(QRect(0, 0, 100, 100)), target));
        covers.record(Rectangle, {100, 100, 0, 0});
        for (QSize target : {QSize(), QSize(30, 30)})
            QVERIFY(!WmfReader::read(covers.placeable(QRect(0, 0, 100, 100)), target));

        // States saved 1024 deep are fine; one more level is refused.
        WmfBuilder nested;
        for (int i = 0; i < 1024; ++i)
            nested.record(SaveDc, {});
        nested.record(Rectangle, {50, 50, 0, 0});
        QVERIFY(WmfReader::read(nested.placeable(QRect(0, 0, 100, 100))));
        nested.record(SaveDc, {});
        QVERIFY(!WmfReader::read(nested.placeable(QRect(0, 0, 100, 100))));
    }

    void refusesMalformedFiles_data()
    {
        QTest::addColumn<QByteArray>("data");
        const QByteArray good = shapes().placeable(QRect(0, 0, 100, 100));
        const int header = 22;    // the plain header follows the placeable one
        QTest::newRow("shorter than its headers") << good.left(30);
        QTest::newRow("header size") << patched(good, header + 2, {8});
        QTest::newRow("header type") << patched(good, header, {3});
        QTest::newRow("zero units per inch") << WmfBuilder().placeable(QRect(0, 0, 100, 100), 0);
        QTest::newRow("inverted box") << patched(good, 6, {200, 0});
        QTest::newRow("plain file without a window") << shapes().plain();

        for (int words : {0, 1, 2})
            QTest::newRow(qPrintable(QString("record of %1 words").arg(words)))
                << WmfBuilder().rawRecord(quint32(words), SetBkMode).placeable(QRect(0, 0, 100, 100));
        QTest::newRow("record past the end") << good.left(good.size() - 6) + WmfBuilder::words({40, 0, 0x41B});

        QTest::newRow("object index outside the table") << withRecords({{SelectObject, {3}}});
        QTest::newRow("object index past the table size")
            << WmfBuilder().record(CreatePenIndirect, {0, 0, 0, 0, 0}).record(CreatePenIndirect, {0, 0, 0, 0, 0})
                   .placeable(QRect(0, 0, 100, 100), 96, 1);
        QTest::newRow("deleted object used")
            << withRecords({{CreatePenIndirect, {0, 0, 0, 0, 0}}, {DeleteObject, {0}}, {SelectObject, {0}}});
        QTest::newRow("object deleted twice")
            << withRecords({{CreatePenIndirect, {0, 0, 0, 0, 0}}, {DeleteObject, {0}}, {DeleteObject, {0}}});

        QTest::newRow("polygon count past the record") << withRecords({{Polygon, {3, 0, 0, 10, 10}}});
        QTest::newRow("poly-polygon counts past the record")
            << withRecords({{PolyPolygon, {2, 3, 30000, 0, 0, 10, 10, 20, 0}}});
        QTest::newRow("text past the record") << withRecord(TextOut, WmfBuilder::words({40}) + "AB" + WmfBuilder::words({0, 0}));
        QTest::newRow("extended text past the record")
            << withRecord(ExtTextOut, WmfBuilder::words({0, 0, 200, 0}) + "ABCD");

        QTest::newRow("bitmap header size") << stretchDib(dibWithHeader(39, 24, 0, 0, QByteArray(64, '\0')));
        QTest::newRow("bitmap bit count") << stretchDib(dibWithHeader(40, 7, 0, 0, QByteArray(64, '\0')));
        QTest::newRow("bitmap palette size") << stretchDib(dibWithHeader(40, 8, 1000, 0, QByteArray(64, '\0')));
        QTest::newRow("bitmap pixels missing") << stretchDib(dibWithHeader(40, 24, 0, 0, QByteArray(20, '\0')));
        QTest::newRow("run past the row")
            << stretchDib(dibWithHeader(40, 8, 2, 1, QByteArray(8, '\0') + QByteArray("\x09\x01\x00\x01", 4)));
        QTest::newRow("literal run past the data")
            << stretchDib(dibWithHeader(40, 8, 2, 1, QByteArray(8, '\0') + QByteArray("\x00\x04\x01", 3)));

        QTest::newRow("restore without save") << withRecords({{RestoreDc, {-1}}});
        QTest::newRow("restore beyond the saved states") << withRecords({{SaveDc, {}}, {RestoreDc, {-2}}});
        WmfBuilder deep;
        for (int i = 0; i < 100'000; ++i)
            deep.record(SaveDc, {});
        QTest::newRow("unbounded save nesting") << deep.placeable(QRect(0, 0, 100, 100));
    }

    void refusesMalformedFiles()
    {
        QFETCH(QByteArray, data);
        QVERIFY(!WmfReader::read(data));
    }
};

PRENTVEL_TEST(WmfReaderTest)
#include "test_WmfReader.moc"
