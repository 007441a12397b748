// The card view's picture at every scale, its partial updates, and the view
// on screen. Run again with QT_SCALE_FACTOR=2 (see tests/CMakeLists.txt).
#include "common/PrintCopyChecks.h"
#include "common/TestRegistry.h"
#include "platform/CardSurface.h"
#include "platform/CardViewCache.h"
#include "platform/PictureBox.h"
#include "platform/PictureSurface.h"

#include <QLabel>
#include <QPainter>
#include <QTest>
#include <cmath>
#include <functional>

namespace {

// A grabbed picture as plain device pixels.
QImage rgb(const QImage& image)
{
    QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    pixels.setDevicePixelRatio(1);
    return pixels;
}

// A card with slanted strokes, a smooth photo and text: detail the print copy has and the screen lacks.
void drawScene(CardSurface& card)
{
    QImage photo(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb(x * 255 / 300, y * 255 / 200, (x * y) % 256));
    card.paintPhoto(photo, QRectF(200, 150, 300, 200));
    card.lineWidth = 3;
    card.line(10, 10, 180, 97, RGB(200, 30, 30));
    card.fillStyle = CardSurface::Solid;
    card.fillColor = RGB(30, 160, 60);
    card.ellipse(100, 200, 60, RGB(0, 0, 120), 0.6);
    card.drawText(QFont("DejaVu Sans", 24), QPointF(20, 280), 15, "Prentvel", RGB(0, 0, 0));
    card.refresh();
}

}

class CardViewTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachScaleShowsTheRightCopy()
    {
        CardSurface card;
        drawScene(card);
        const QImage& print = card.printImage();
        CardViewCache cache;
        cache.rebuild(card, 1);
        QCOMPARE(cache.image(), card.image());
        cache.rebuild(card, 4);
        QCOMPARE(cache.image(), print);
        cache.rebuild(card, 2);
        QCOMPARE(cache.image().size(), QSize(1030, 730));
        QVERIFY(psnr(cache.image(), blockMeans(print, 2)) >= 40);
        // Above 4, the print copy's pixels enlarged: at 6 each covers 1.5 device pixels.
        cache.rebuild(card, 6);
        QCOMPARE(cache.image().size(), QSize(3090, 2190));
        for (int d : {0, 1, 2, 3, 1001, 3089})
            QCOMPARE(cache.image().pixel(d, d * 2190 / 3090), print.pixel(int((d + 0.5) / 1.5), int((d * 2190 / 3090 + 0.5) / 1.5)));
        // Between 1 and 4 by area: at 2.5 a device pixel covers 1.6 print pixels,
        // here 1 black and 0.6 white, then 0.4 white, 1 black and 0.2 white.
        CardSurface stripes;
        QImage lines(stripes.printImage().size(), QImage::Format_RGB32);
        for (int x = 0; x < lines.width(); ++x)
            QPainter(&lines).fillRect(x, 0, 1, lines.height(), x % 2 ? Qt::white : Qt::black);
        stripes.setImages(stripes.image(), lines);
        cache.rebuild(stripes, 2.5);
        QCOMPARE(qRed(cache.image().pixel(700, 300)), 96);
        QCOMPARE(qRed(cache.image().pixel(701, 300)), 96);
        // A picture without a print copy is enlarged pixel by pixel.
        PictureSurface plain(20, 10);
        plain.setPixel(3, 4, RGB(255, 0, 0));
        cache.rebuild(plain, 2);
        QCOMPARE(cache.image().pixel(7, 9), plain.image().pixel(3, 4));
        QCOMPARE(cache.image().pixel(8, 9), plain.image().pixel(4, 4));
    }

    // Each change reports a rectangle that holds all it changed, on both copies:
    // rebuilding only that part gives the picture a full rebuild gives.
    void partialUpdatesMatchAFullRebuild()
    {
        const std::vector<std::pair<const char*, std::function<void(CardSurface&)>>> changes{
            {"slanted line", [](CardSurface& c) { c.lineWidth = 5; c.line(30, 40, 230, 111, RGB(9, 99, 199)); }},
            {"inverted line", [](CardSurface& c) { c.drawMode = CardSurface::DrawMode::Invert; c.line(0, 5, 514, 300, 0); }},
            {"hatched box", [](CardSurface& c) { c.fillStyle = 5; c.box(100, 100, 180, 150, RGB(0, 0, 0)); }},
            {"ellipse", [](CardSurface& c) { c.fillStyle = CardSurface::Solid; c.ellipse(400, 60, 40, RGB(250, 0, 0)); }},
            {"pixel", [](CardSurface& c) { c.setPixel(514, 364, RGB(0, 0, 0)); }},
            {"runs", [](CardSurface& c) { c.paintRuns({{7, 3, 40}, {8, 500, 600}}, RGB(0, 200, 0)); }},
            {"photo", [](CardSurface& c) { QImage p(40, 30, QImage::Format_RGB32); p.fill(Qt::blue); c.paintPhoto(p, QRectF(10.5, 20.25, 77.3, 51)); }},
            {"picture", [](CardSurface& c) { QImage p(4, 4, QImage::Format_RGB32); p.fill(Qt::cyan); c.paintPicture(p, 300, 5, 33.3, 12); }},
            {"turned text", [](CardSurface& c) { c.drawText(QFont("DejaVu Sans", 30, -1, true), QPointF(250, 300), 40, "Wj", 0); }},
            {"whole images", [](CardSurface& c) { c.setImages(c.image().mirrored(true, false), c.printImage().mirrored(true, false)); }},
            {"restored part",
             [](CardSurface& c) {
                 const CardSnapshot before = c.snapshot().part(QRect(60, 70, 90, 30));
                 c.filledBox(0, 0, 514, 364, RGB(1, 2, 3));
                 c.refresh();
                 c.restore(before);
             }},
        };
        for (double scale : {1.0, 2.5, 6.0}) {
            for (const auto& [name, change] : changes) {
                CardSurface card;
                drawScene(card);
                CardViewCache updated;
                updated.rebuild(card, scale);
                QRect reported;
                connect(&card, &DrawingSurface::areaChanged, this, [&](const QRect& area) { reported |= area; });
                change(card);
                card.refresh();
                updated.update(card, reported);
                CardViewCache whole;
                whole.rebuild(card, scale);
                QVERIFY2(updated.image() == whole.image(), qPrintable(QString("%1 at %2").arg(name).arg(scale)));
            }
        }
    }

    void viewShowsItsPictureOnScreen()
    {
        CardSurface card;
        drawScene(card);
        PictureBox view(&card);
        const double ratio = view.devicePixelRatioF();
        // At 100% the screen picture itself, or on a screen of ratio 2 the print copy halved.
        const QImage shown = rgb(view.grab().toImage());
        if (ratio == 1)
            QCOMPARE(shown, card.image());
        else if (ratio == 2)
            QVERIFY(psnr(shown, blockMeans(card.printImage(), 2)) >= 40);
        else
            QSKIP("This check knows the ratios 1 and 2.");
        // Zoomed, the view paints its picture one to one, and shows a change at once.
        for (int zoom : {150, 200}) {
            view.setZoom(zoom);
            QCOMPARE(view.size(), QSize(int(std::ceil(5.15 * zoom)), int(std::ceil(3.65 * zoom))));
            card.line(0, 364, 514, 0, RGB(255, 0, 255));
            card.refresh();
            CardViewCache expected;
            expected.rebuild(card, zoom / 100.0 * ratio);
            // (At ratio 2 a view of 772.5 logical pixels is 773 wide: one device column beyond the card.)
            QCOMPARE(rgb(view.grab().toImage()).copy(expected.image().rect()), expected.image());
        }
    }

    void overlaysKeepTheirPlaceOnTheCard()
    {
        CardSurface card;
        PictureBox view(&card);
        auto* label = new QLabel("Voorbeeld", &view);
        view.placeOverlay(label, QRect(10, 20, 30, 40));
        QFont font("DejaVu Sans");
        font.setPointSizeF(10);
        view.setOverlayFont(label, font);
        view.setZoom(200);
        QCOMPARE(label->pos(), QPoint(20, 40));
        QVERIFY(label->width() >= 60 && label->height() >= 80);
        QCOMPARE(label->font().pointSizeF(), 20.0);
        QCOMPARE(view.overlayArea(label), QRect(10, 20, 30, 40));
        view.setZoom(150);
        QCOMPARE(label->geometry().topLeft(), QPoint(15, 30));

        // Frame outlines lie over the card, never in its pixels.
        view.setZoom(100);
        delete label;
        const QImage before = card.image();
        view.setFrameOutlines({QRect(10, 10, 200, 100)}, 0);
        const QImage shown = rgb(view.grab().toImage());
        const double ratio = view.devicePixelRatioF();
        QCOMPARE(QColor(shown.pixel(int(11 * ratio), int(10 * ratio))), view.palette().color(QPalette::Highlight));
        QCOMPARE(card.image(), before);
        view.setFrameOutlines({}, -1);
        QCOMPARE(QColor(rgb(view.grab().toImage()).pixel(int(11 * ratio), int(10 * ratio))), QColor(Qt::white));
    }
};
PRENTVEL_TEST(CardViewTest)
#include "CardViewTest.moc"
