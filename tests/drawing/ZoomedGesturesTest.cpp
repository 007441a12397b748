// The same gesture, in card pixels, gives the same card at every zoom and
// device pixel ratio: the view maps each device position to the card pixel
// that holds it. Run again with QT_SCALE_FACTOR=2 (see tests/CMakeLists.txt).
#include "CardMouse.h"
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"
#include "platform/CardScrollArea.h"
#include "platform/ClickableLabel.h"
#include "platform/Random.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <vector>

namespace {

// Where the pointer stands for a card pixel: its first or its last device pixel.
struct Pointer {
    Main& main;
    bool lastDevicePixel;

    QPointF at(QPoint card) const
    {
        const double ratio = main.Voorkant->devicePixelRatioF();
        const double scale = main.Voorkant->zoom() / 100.0 * ratio;
        const auto device = [&](int p) {
            return lastDevicePixel ? std::ceil((p + 1) * scale) - 1 : std::ceil(p * scale);
        };
        return QPointF(device(card.x()) / ratio, device(card.y()) / ratio);
    }
    void send(QEvent::Type type, QPoint card, Qt::MouseButton button, Qt::MouseButtons held) const
    {
        const QPointF local = at(card);
        QMouseEvent event(type, local, main.Voorkant->mapToGlobal(local), button, held, Qt::NoModifier);
        QApplication::sendEvent(main.Voorkant, &event);
    }
    void drag(const std::vector<QPoint>& path, Qt::MouseButton button = Qt::LeftButton) const
    {
        send(QEvent::MouseButtonPress, path.front(), button, button);
        for (QPoint p : path)
            send(QEvent::MouseMove, p, Qt::NoButton, button);
        send(QEvent::MouseButtonRelease, path.back(), button, Qt::NoButton);
    }
    void click(int tool, QPoint card, Qt::MouseButton button = Qt::LeftButton) const
    {
        main.Knop[tool]->click();
        drag({card}, button);
    }
};

struct Gesture {
    const char* name;
    std::function<void(const Pointer&)> play;
    bool drawsText = false;
};

const std::vector<QPoint> Scribble{{20, 30}, {41, 37}, {70, 90}, {75, 91}, {131, 40}};

std::vector<Gesture> gestures(const QString& photo)
{
    const auto tool = [](int n, std::vector<QPoint> path) {
        return [n, path](const Pointer& p) {
            p.main.Knop[n]->click();
            p.drag(path);
        };
    };
    return {
        {"freehand", tool(1, Scribble)},
        {"straight line", tool(2, {{30, 200}, {90, 150}, {120, 251}})},
        {"rectangle", tool(3, {{40, 41}, {140, 110}})},
        {"filled rectangle", tool(4, {{40, 41}, {140, 110}})},
        {"ellipse", tool(5, {{41, 40}, {143, 111}})},
        {"filled ellipse", tool(6, {{41, 40}, {143, 111}})},
        {"fill", [](const Pointer& p) { p.click(7, {330, 230}); }},
        {"spray", tool(8, Scribble)},
        {"eraser", tool(9, {{290, 190}, {333, 227}, {370, 270}})},
        {"colour picker",
         [](const Pointer& p) {
             p.click(10, {330, 230});
             p.click(10, {359, 259}, Qt::RightButton);
             p.main.Knop[6]->click();
             p.drag({{41, 40}, {143, 111}});
         }},
        {"coloured circles", tool(11, Scribble)},
        {"photo into a rectangle",
         [photo](const Pointer& p) {
             ScriptedDialogs dialogs;
             dialogs.files << photo;
             p.main.Knop[12]->click();
             p.drag({{100, 51}, {301, 150}});
         }},
        {"text",
         [](const Pointer& p) {
             p.main.Text1->setText("Hoi");
             p.main.ComboSize->setCurrentText("20");
             p.main.PlaatsKnop->click();
             p.drag({{250, 200}, {263, 211}});
         },
         true},
    };
}

struct Result {
    QImage screen, print;
    QString coordinates;
    Rgb drawColor, fillColor;
    bool operator==(const Result& o) const
    {
        return screen == o.screen && print == o.print && coordinates == o.coordinates && drawColor == o.drawColor
            && fillColor == o.fillColor;
    }
};

Result play(const Gesture& gesture, int zoom, bool lastDevicePixel)
{
    Main main;
    main.LayoutKaart_Click(18);
    main.VoorkantScroll->setZoomChoice(zoom);
    main.Slider1->setValue(3);
    main.card.filledBox(300, 200, 360, 260, RGB(20, 120, 200));
    main.card.refresh();
    Random::fixClockSeed(5);
    gesture.play(Pointer{main, lastDevicePixel});
    Random::fixClockSeed(std::nullopt);
    return {main.card.image(), main.card.printImage(), main.CorLabel->text(), main.state.drawColor, main.state.fillColor};
}

}

constexpr int Zooms[] = {100, 150, 200, 300};

class ZoomedGesturesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyToolGivesTheSameCardAtEveryZoom()
    {
        QTemporaryDir folder;
        QImage picture(160, 120, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QPainter(&picture).fillRect(0, 0, 80, 120, Qt::red);
        QVERIFY(picture.save(folder.filePath("zee.bmp")));

        for (const Gesture& gesture : gestures(folder.filePath("zee.bmp"))) {
            // Text on the print copy can differ in a few antialiased edge pixels
            // once the process has used the font at other sizes (Qt's font
            // engine cache), as the preview at each zoom does: use them all first.
            for (int zoom : Zooms)
                if (gesture.drawsText)
                    play(gesture, zoom, true);
            const Result reference = play(gesture, 100, false);
            QVERIFY2(reference.screen != Main().card.image(), gesture.name);
            for (int zoom : Zooms) {
                const Result zoomed = play(gesture, zoom, true);
                QVERIFY2(zoomed == reference, qPrintable(QString("%1 at %2%").arg(gesture.name).arg(zoom)));
            }
        }
    }

    // A position maps to the card pixel that holds it, also at the edges of the card.
    void positionsMapToTheCardPixelThatHoldsThem()
    {
        Main main;
        main.VoorkantScroll->setZoomChoice(300);
        PictureBox& view = *main.Voorkant;
        QCOMPARE(view.size(), QSize(1545, 1095));
        QCOMPARE(view.picturePixelAt({0, 0}), QPointF(0, 0));
        QCOMPARE(view.picturePixelAt({2.99, 5.5}), QPointF(0, 1));
        QCOMPARE(view.picturePixelAt({3, 1544.5}), QPointF(1, 514));
        QCOMPARE(view.picturePixelAt({-0.5, 1095}), QPointF(-1, 365));
        view.setZoom(150);
        QCOMPARE(view.picturePixelAt({1.49, 1.5}), QPointF(0, 1));
    }
};
PRENTVEL_TEST(ZoomedGesturesTest)
#include "ZoomedGesturesTest.moc"
