#include "app/Main.h"
#include "app/Plaatjes.h"
#include "app/StartPhoto.h"
#include "app/Titel.h"
#include "common/PrintCopyChecks.h"
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"
#include "drawing/ToolTable.h"
#include "platform/ClickableLabel.h"

#include <QCryptographicHash>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <vector>

namespace {

struct NamedPicture {
    QString name;
    std::function<QImage(qreal)> draw;
    // How close the picture at ratio 2 comes to the one at ratio 1: less where
    // text is hinted to whole pixels, which moves letters at ratio 1.
    double leastPsnr = 36;
};

std::vector<NamedPicture> allPictures()
{
    std::vector<NamedPicture> pictures = {{"banner", Plaatjes::titlePicture, 30}, {"start photo", startPhoto}};
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

// `picture` laid on black: its colours weighted by their coverage.
QImage onBlack(QImage picture)
{
    picture.setDevicePixelRatio(1);
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::black);
    QPainter(&flat).drawImage(0, 0, picture);
    return flat;
}

// PSNR between `small` and `large` (twice its size), both reduced to half of
// `small`'s size, so that edges antialiased or hinted a little differently
// weigh less than colours or shapes in the wrong place.
double psnrAtHalfSize(const QImage& small, const QImage& large)
{
    return psnr(blockMeans(onBlack(small), 2), blockMeans(onBlack(large), 4));
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

// Sum of squared differences between neighbouring pixels: a smooth enlargement
// spreads each edge over more pixels and keeps only about half of it.
double edgeEnergy(const QImage& picture)
{
    const QImage a = premultiplied(picture);
    double energy = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            for (int c = 0; c < 4; ++c) {
                const int here = channel(a.pixel(x, y), c);
                if (x + 1 < a.width())
                    energy += std::pow(here - channel(a.pixel(x + 1, y), c), 2);
                if (y + 1 < a.height())
                    energy += std::pow(here - channel(a.pixel(x, y + 1), c), 2);
            }
    return energy;
}

}

class SharpPicturesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void picturesAtRatioOneAreAsBefore()
    {
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
        // The eraser and the pipette are turned shapes, which Qt's raster engine
        // smooths a little differently on different processors: either picture is it.
        const QHash<QString, QByteArray> alsoSeen = {{"tool 9", "1a9327df4555c015b5f44ebba094f3e2103f092c"},
                                                     {"tool 10", "ff1fc435e440753ae8c3b2f126dbf36d6e04b61e"}};
        // On a scaled screen Qt hints text differently, even on a picture at ratio 1.
        if (qApp->devicePixelRatio() != 1)
            QSKIP("the screen is scaled");
        QStringList differing;
        for (const NamedPicture& picture : allPictures()) {
            const QImage drawn = picture.draw(1);
            QCOMPARE(drawn.devicePixelRatio(), 1.0);
            const QByteArray hash = pixelHash(drawn);
            if (hash != expected.value(picture.name) && hash != alsoSeen.value(picture.name))
                differing << picture.name + " " + hash;
        }
        QVERIFY2(differing.isEmpty(), qPrintable(differing.join(", ")));
    }

    void picturesAtRatioTwoHaveRealDetail()
    {
        for (const NamedPicture& picture : allPictures()) {
            const QImage small = picture.draw(1), large = picture.draw(2);
            const QByteArray name = picture.name.toUtf8();
            QVERIFY2(large.size() == small.size() * 2, name);
            QVERIFY2(large.devicePixelRatio() == 2.0, name);
            // The same picture in the same place as at ratio 1,
            const double psnr = psnrAtHalfSize(small, large);
            QVERIFY2(psnr >= picture.leastPsnr, name + " at " + QByteArray::number(psnr) + " dB");
            // but drawn on the finer grid: not doubled (edges fall inside 2 x 2 blocks)
            QVERIFY2(unevenBlockShare(large) > 0, name + " is pixel-doubled");
            // and not enlarged smoothly (that keeps well under 1.3 times the edge energy).
            const double edges = edgeEnergy(large) / edgeEnergy(small);
            QVERIFY2(edges >= 1.3, name + " has " + QByteArray::number(edges) + " times the edge energy");
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
        // The corner picture follows the clock's second.
        QCOMPARE(main.HoekPic->pixmap().devicePixelRatio(), ratio);
        QCOMPARE(main.HoekPic->pixmap().size(), QSize(231, 44) * ratio);
        const QPixmap icon = main.Knop[1]->icon().pixmap(main.Knop[1]->iconSize(), main.Knop[1]->devicePixelRatioF());
        QCOMPARE(icon.size(), main.Knop[1]->iconSize() * ratio);
    }

    // Run on two screens of ratio 1 and 2 (tests/app/two-screens.json).
    void picturesFollowTheirWindowToAnotherScreen()
    {
        const QList<QScreen*> screens = QGuiApplication::screens();
        if (screens.size() < 2 || screens.at(0)->devicePixelRatio() != 1 || screens.at(1)->devicePixelRatio() != 2)
            QSKIP("needs a screen at ratio 1 and a second one at ratio 2");
        ScriptedDialogs dialogs;
        Main main;
        main.move(screens.at(0)->geometry().topLeft());
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QCOMPARE(main.TitelLabel->pixmap().devicePixelRatio(), 1.0);
        main.windowHandle()->setScreen(screens.at(1));
        main.move(screens.at(1)->geometry().topLeft());
        QTRY_COMPARE(main.TitelLabel->pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(main.TitelLabel->pixmap().toImage(), Plaatjes::titlePicture(2));
        QCOMPARE(main.HoekPic->pixmap().devicePixelRatio(), 2.0);
        dialogs.answers = {true};
        main.close();
    }
};

PRENTVEL_TEST(SharpPicturesTest)
#include "SharpPicturesTest.moc"
