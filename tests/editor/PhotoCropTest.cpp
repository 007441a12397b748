// "Foto's bijsnijden": photos keep their shape in their frame.
#include "app/Main.h"
#include "platform/Settings.h"
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"
#include "editor/PhotoCrop.h"
#include "platform/PictureBox.h"

#include <QAction>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <limits>

namespace {

// Bounds of the dark pixels: the disc, its smoothed edge counted half way.
QRect darkBounds(const QImage& card)
{
    QRect bounds;
    for (int y = 0; y < card.height(); ++y)
        for (int x = 0; x < card.width(); ++x)
            if (qGreen(card.pixel(x, y)) < 128)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// A portrait photo with a black disc in the middle.
QString portraitWithDisc(const QString& path)
{
    QImage photo(200, 400, QImage::Format_RGB32);
    photo.fill(Qt::white);
    QPainter p(&photo);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(100, 200), 50, 50);
    p.end();
    photo.save(path);
    return path;
}

}

class PhotoCropTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cropKeepsTheFrameShapeCentred_data()
    {
        QTest::addColumn<QSize>("source");
        QTest::addColumn<QSizeF>("frame");
        QTest::addColumn<QRect>("crop");
        QTest::newRow("wide photo, sides trimmed") << QSize(400, 100) << QSizeF(100, 100) << QRect(150, 0, 100, 100);
        QTest::newRow("tall photo, top and bottom") << QSize(100, 400) << QSizeF(200, 100) << QRect(0, 175, 100, 50);
        QTest::newRow("same shape, nothing") << QSize(300, 200) << QSizeF(150, 100) << QRect(0, 0, 300, 200);
        QTest::newRow("portrait in landscape") << QSize(200, 400) << QSizeF(258, 182) << QRect(0, 129, 200, 141);
        QTest::newRow("very thin frame keeps a pixel") << QSize(50, 50) << QSizeF(1e9, 1) << QRect(0, 24, 50, 1);
        QTest::newRow("empty frame") << QSize(50, 40) << QSizeF(0, 10) << QRect(0, 0, 50, 40);
        QTest::newRow("not a number") << QSize(50, 40) << QSizeF(std::numeric_limits<double>::quiet_NaN(), 10)
                                      << QRect(0, 0, 50, 40);
    }
    void cropKeepsTheFrameShapeCentred()
    {
        QFETCH(QSize, source);
        QFETCH(QSizeF, frame);
        QFETCH(QRect, crop);
        QCOMPARE(coverCrop(source, frame), crop);
    }

    void portraitPhotoKeepsItsShapeInALandscapeFrame()
    {
        QTemporaryDir dir;
        const QString photo = portraitWithDisc(dir.filePath("portret.bmp"));
        Settings::setCropPhotos(false);
        ScriptedDialogs dialogs;
        Main main;
        // Through "Open Foto / Kaart" into the 258 x 182 frames of layout 4, and
        // through the drawing tools' import into a rectangle of the same size.
        const auto loadBoth = [&] {
            main.LayoutKaart_Click(4);
            main.card.clear();
            dialogs.files << photo;
            main.FileOpen->trigger();
            const QRect viaLayout = darkBounds(main.card.image());
            main.card.clear();
            main.LayoutKaart_Click(18);
            main.Knop[12]->click();
            dialogs.files << photo;
            QTest::mousePress(main.Voorkant, Qt::LeftButton, {}, {100, 60});
            QTest::mouseMove(main.Voorkant, {358, 242});
            QTest::mouseRelease(main.Voorkant, Qt::LeftButton, {}, {358, 242});
            return QList<QRect>{viaLayout.translated(0, -60), darkBounds(main.card.image()).translated(-100, -60)};
        };

        for (const QRect& disc : loadBoth()) { // stretched: 129 wide, 45 high
            QVERIFY2(std::abs(disc.width() - 129) <= 2 && std::abs(disc.height() - 46) <= 2,
                     qPrintable(QString("%1 x %2").arg(disc.width()).arg(disc.height())));
        }

        main.LayoutBijsnijden->trigger();
        QVERIFY(Settings::cropPhotos());
        for (const QRect& disc : loadBoth()) { // scaled by 1.29 and centred in the frame
            QVERIFY2(std::abs(disc.width() - disc.height()) <= 1 && std::abs(disc.width() - 129) <= 2,
                     qPrintable(QString("%1 x %2").arg(disc.width()).arg(disc.height())));
            QVERIFY(std::abs(disc.center().x() - 129) <= 1 && std::abs(disc.center().y() - 91) <= 1);
        }
        QCOMPARE(main.NaamEnGrootte->text(), QString("portret.bmp / 200 x 400 pixels"));

        // The choice is remembered for the next run.
        Main next;
        QVERIFY(next.LayoutBijsnijden->isChecked());
        next.LayoutBijsnijden->trigger();
        QVERIFY(!Settings::cropPhotos());
    }
};

PRENTVEL_TEST(PhotoCropTest)
#include "PhotoCropTest.moc"
