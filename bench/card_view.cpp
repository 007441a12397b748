// The zooming card view. Goals: a full repaint of a 1300 x 920 device-pixel
// view from its cached picture under 8 ms; rebuilding that picture from the
// print copy after a zoom change under 40 ms; the update after one mouse move
// of a freehand line at two device pixels per card pixel under 4 ms.
#include "app/Main.h"
#include "platform/CardScrollArea.h"
#include "platform/CardSurface.h"
#include "platform/CardViewCache.h"
#include "platform/Colors.h"
#include "platform/PictureBox.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QStandardPaths>
#include <benchmark/benchmark.h>

namespace {

// 515 x 365 card pixels at 2.52 device pixels each: 1298 x 920.
constexpr int LargeZoom = 252;

// A card with strokes and a smooth photo, so the print copy is not uniform.
void drawScene(CardSurface& card)
{
    QImage photo(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb(x * 255 / 300, y * 255 / 200, (x * y) % 256));
    card.paintPhoto(photo, QRectF(200, 150, 300, 200));
    card.lineWidth = 3;
    card.line(10, 10, 180, 97, RGB(200, 30, 30));
    card.refresh();
}

void send(QWidget* target, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

}

static void FullRepaintFromCache(benchmark::State& state)
{
    CardSurface card;
    drawScene(card);
    PictureBox view(&card);
    view.setZoom(LargeZoom);
    view.show();
    view.repaint(); // builds the cached picture
    for (auto _ : state)
        view.repaint();
    state.counters["device_width"] = view.width() * view.devicePixelRatioF();
}
BENCHMARK(FullRepaintFromCache)->Unit(benchmark::kMillisecond);

static void RebuildAfterZoomChange(benchmark::State& state)
{
    CardSurface card;
    drawScene(card);
    CardViewCache cache;
    for (auto _ : state) {
        cache.rebuild(card, LargeZoom / 100.0);
        benchmark::DoNotOptimize(cache.image().constBits());
    }
}
BENCHMARK(RebuildAfterZoomChange)->Unit(benchmark::kMillisecond);

// The freehand tool of the real window at 200%: the stroke, the card's change
// notice, the cache update and the repaint of what changed.
static void FreehandMoveAtScaleTwo(benchmark::State& state)
{
    Main main;
    main.VoorkantScroll->setZoomChoice(200);
    main.show();
    QApplication::processEvents();
    main.Knop[1]->click();
    PictureBox* view = main.Voorkant;
    const double scale = view->zoom() / 100.0;
    send(view, QEvent::MouseButtonPress, QPointF(100, 100) * scale, Qt::LeftButton, Qt::LeftButton);
    QApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        const QPointF card(100 + step % 60, 100 + (step / 60) % 2 * 3 + step % 5);
        ++step;
        send(view, QEvent::MouseMove, card * scale, Qt::NoButton, Qt::LeftButton);
        QApplication::processEvents();
    }
    send(view, QEvent::MouseButtonRelease, QPointF(100, 100) * scale, Qt::LeftButton, Qt::NoButton);
}
BENCHMARK(FreehandMoveAtScaleTwo)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // never the user's settings
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
