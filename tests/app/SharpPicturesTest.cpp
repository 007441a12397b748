#include "app/Main.h"
#include "app/Plaatjes.h"
#include "app/StartPhoto.h"
#include "app/Titel.h"
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"
#include "drawing/ToolTable.h"
#include "platform/ClickableLabel.h"

#include <QCryptographicHash>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <vector>

namespace {

struct NamedPicture {
    QString name;
    std::function<QImage(qreal)> draw;
};

std::vector<NamedPicture> allPictures()
{
    std::vector<NamedPicture> pictures = {{"banner", Plaatjes::titlePicture}, {"start photo", startPhoto}};
    for (int item = 10; item <= 13; ++item)
        pictures.push_back({QString("corner %1").arg(item), Plaatjes::picture(item)});
    for (int n = 1; n <= ToolCount; ++n)
        pictures.push_back({QString("tool %1").arg(n), [n](qreal ratio) {
            return toolIcon(n).pixmap(QSize(28, 28), ratio).toImage();
        }});
    return pictures;
}

QImage premultiplied(const QImage& picture)
{
    return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QByteArray pixelHash(const QImage& picture)
{
    const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (int y = 0; y < pixels.height(); ++y)
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(pixels.constScanLine(y)), pixels.width() * 4));
    return hash.result().toHex();
}

int channel(QRgb pixel, int c)
{
    return (pixel >> (8 * c)) & 0xff;
}

// PSNR of `small` against the 2 x 2 block means of `large`, over all four channels.
double psnrAgainstHalved(const QImage& small, const QImage& large)
{
    const QImage a = premultiplied(small), b = premultiplied(large);
    double squares = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            for (int c = 0; c < 4; ++c) {
                const double mean = (channel(b.pixel(2 * x, 2 * y), c) + channel(b.pixel(2 * x + 1, 2 * y), c)
                                     + channel(b.pixel(2 * x, 2 * y + 1), c) + channel(b.pixel(2 * x + 1, 2 * y + 1), c)) / 4.0;
                const double d = channel(a.pixel(x, y), c) - mean;
                squares += d * d;
            }
    const double mse = squares / (a.width() * a.height() * 4.0);
    return mse == 0 ? 99 : 10 * std::log10(255.0 * 255.0 / mse);
}

// The share of 2 x 2 blocks whose four pixels are not all the same: none in a
// pixel-doubled picture.
double unevenBlockShare(const QImage& large)
{
    const QImage b = premultiplied(large);
    int uneven = 0;
    for (int y = 0; y + 1 < b.height(); y += 2)
        for (int x = 0; x + 1 < b.width(); x += 2) {
            const QRgb p = b.pixel(x, y);
            uneven += p != b.pixel(x + 1, y) || p != b.pixel(x, y + 1) || p != b.pixel(x + 1, y + 1);
        }
    return uneven / double((b.width() / 2) * (b.height() / 2));
}

}

class SharpPicturesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void picturesAtRatioOneAreAsBefore()
    {
        if (qApp->devicePixelRatio() != 1)
            QSKIP("the stored pixels were drawn on a screen of ratio 1, where text has other metrics");
        // The pixels these pictures had before they could be drawn at other ratios.
        const QHash<QString, QByteArray> expected = {
            {"banner", "980501e90f5b494decd01ea4285286c59dfc3739"},
            {"start photo", "23494dc98a4212061ac57de23dcdfa44cd822797"},
            {"corner 10", "6eb0c9582a14338b0d418de6d6e216c1d1d7e4e9"},
            {"corner 11", "3b300ae863bfa75f61c76b704cd84f79816de437"},
            {"corner 12", "fec31b1ba66eb74693d06dc80c0489b43fc33659"},
            {"corner 13", "e7cabe3ae439ff323144441c10356f58ea8a2ccb"},
            {"tool 1", "3459ffb3260b1a5afe2791748184941ed8553e1b"},
            {"tool 2", "827402e48e49d93c0d75e4f2d5538b6bcd9a3afb"},
            {"tool 3", "7cb436607d3f9630edb26fa26cc43502a1be9bde"},
            {"tool 4", "59ee7061bbb67d0b830eb2820842697e4277db8f"},
            {"tool 5", "66533c7ed28ca302b4b2f827bb0db242686ac3bf"},
            {"tool 6", "8e44dd8f5bf02c932cfc880ebfa15e1df37e88b0"},
            {"tool 7", "c8442931c11998a88386a92bfc22d50f412e3383"},
            {"tool 8", "cc7ed151dc9afde452a9fc06a9246afa9e54bb59"},
            {"tool 9", "a4a9f5384fc4cd614a0e6727e354578d70d5ab38"},
            {"tool 10", "192c693fbc3eaa368bae83f5e7550e795230e6a4"},
            {"tool 11", "1f023142d564a8b793db53fd883e11b48546ebd8"},
            {"tool 12", "c0d438bbfbb0ebef33310f2453186f932480aaed"},
        };
        for (const NamedPicture& picture : allPictures()) {
            const QImage drawn = picture.draw(1);
            QCOMPARE(drawn.devicePixelRatio(), 1.0);
            QVERIFY2(pixelHash(drawn) == expected.value(picture.name), qPrintable(picture.name));
        }
    }

    void picturesAtRatioTwoHaveRealDetail()
    {
        for (const NamedPicture& picture : allPictures()) {
            const QImage small = picture.draw(1), large = picture.draw(2);
            const QByteArray name = picture.name.toUtf8();
            QVERIFY2(large.size() == small.size() * 2, name);
            QVERIFY2(large.devicePixelRatio() == 2.0, name);
            // The same picture in the same place: its halving is close to the picture at ratio 1,
            const double psnr = psnrAgainstHalved(small, large);
            QVERIFY2(psnr >= 25, name + " at " + QByteArray::number(psnr) + " dB");
            // but drawn at the finer grid, not doubled: edges fall inside 2 x 2 blocks.
            const double uneven = unevenBlockShare(large);
            QVERIFY2(uneven > 0, name + " has " + QByteArray::number(uneven) + " uneven blocks");
        }
    }

    // Run both at ratio 1 and under QT_SCALE_FACTOR=2.
    void windowsShowThePicturesAtTheirRatio()
    {
        const qreal ratio = qApp->devicePixelRatio();
        const auto showsAtRatio = [ratio](const QLabel* label, const QImage& expected) {
            const QPixmap shown = label->pixmap();
            return shown.devicePixelRatio() == ratio && shown.toImage() == expected;
        };
        ScriptedDialogs dialogs;
        {
            Titel titel;
            QVERIFY(showsAtRatio(titel.Image1, startPhoto(ratio)));
        }
        Main main;
        QVERIFY(showsAtRatio(main.TitelLabel, Plaatjes::titlePicture(ratio)));
        QVERIFY(showsAtRatio(main.HoekPic, Plaatjes::Img(10, ratio)));
        const QPixmap icon = main.Knop[1]->icon().pixmap(main.Knop[1]->iconSize(), main.Knop[1]->devicePixelRatioF());
        QCOMPARE(icon.size(), main.Knop[1]->iconSize() * ratio);
        // The clock's next corner picture is drawn at the same ratio.
        for (int tick = 0; tick < 60 && showsAtRatio(main.HoekPic, Plaatjes::Img(10, ratio)); ++tick)
            main.KlokTimer_Timer();
        QVERIFY(showsAtRatio(main.HoekPic, Plaatjes::Img(10, ratio)) || main.HoekPic->pixmap().devicePixelRatio() == ratio);
    }
};

PRENTVEL_TEST(SharpPicturesTest)
#include "SharpPicturesTest.moc"
