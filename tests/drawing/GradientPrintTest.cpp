// The print copy of gradients: the pixel-by-pixel shortcut against drawing
// every band or disc at four times the size on a small surface.
#include "common/PrintCopyChecks.h"
#include "common/TestRegistry.h"
#include "drawing/GradientPrint.h"
#include "drawing/Gradients.h"

#include <QTest>

namespace {
QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

std::uint32_t shade(int i)
{
    return RGB(i * 37 % 256, i * 11 % 256, 255 - i * 23 % 256);
}
}

class GradientPrintTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void slantedBandsMatchDrawingThemOneByOne()
    {
        for (const int penWidth : {1, 2, 5}) {
            for (const bool rising : {true, false}) {
                // Repeated positions, as when several twips fall in one pixel.
                std::vector<DiagonalBand> bands;
                for (int i = 0; i <= 40; ++i)
                    bands.push_back({rising ? i * 3 / 2 : 60 - i * 3 / 2, shade(i)});
                QImage shortcut = blank(120, 88), drawn = shortcut;
                paintDiagonalBands(shortcut, bands, penWidth);
                for (const DiagonalBand& band : bands)
                    for (int y = 0; y < drawn.height(); ++y)
                        for (int x = 0; x < drawn.width(); ++x)
                            if (diagonalBandCovers(band, penWidth, x, y))
                                drawn.setPixel(x, y, pixelFromValue(band.colour));
                QVERIFY2(shortcut == drawn, qPrintable(QStringLiteral("pen %1, %2").arg(penWidth).arg(rising)));
            }
        }
    }

    void discsMatchDrawingThemOneByOne()
    {
        for (const QPointF centre : {QPointF(14.5, 11), QPointF(-3, 25.3)}) {
            std::vector<GradientDisc> discs;
            for (int i = 0; i < 30; ++i)
                discs.push_back({std::max(35 - i * 1.3, 0.5) + 1, shade(i)});
            QImage shortcut = blank(120, 88), drawn = shortcut;
            paintDiscs(shortcut, discs, centre.x(), centre.y());
            for (const GradientDisc& disc : discs)
                for (int y = 0; y < drawn.height(); ++y)
                    for (int x = 0; x < drawn.width(); ++x)
                        if (discCovers(disc, centre.x(), centre.y(), x, y))
                            drawn.setPixel(x, y, pixelFromValue(disc.colour));
            QCOMPARE(shortcut, drawn);
        }
    }

    void everyGradientLeavesBothCopiesInAgreement()
    {
        for (int direction = 0; direction <= 7; ++direction) {
            CardSurface card(60, 40);
            card.lineWidth = 3;
            const QImage before = card.image();
            if (direction > 5)
                GradientCircular(card, RGB(250, 0, 0), RGB(0, 0, 250), 20, direction == 6 ? -1 : 7.5, 30);
            else
                GradientLinear(card, RGB(250, 0, 0), direction, RGB(0, 0, 250), 3);
            QVERIFY(card.image() != before);
            QVERIFY2(meanPrintDifference(card) <= 3, qPrintable(QString::number(direction)));
            QCOMPARE(card.lineWidth, 3);
        }
    }
};

PRENTVEL_TEST(GradientPrintTest)
#include "GradientPrintTest.moc"
