#include "app/Subsystems.h"

#include "app/Main.h"
#include "platform/Twips.h"
#include "drawing/Config.h"
#include "drawing/Frames.h"
#include "drawing/Gradients.h"
#include "platform/BusyGuard.h"
#include "platform/BusyPointer.h"

#include <QAction>
#include <algorithm>

namespace {

constexpr int CircularSteps = 255;

// Every gradient darkens the stored fill colour a little (its swatch keeps the
// old colour) and replaces the whole card.
void GradientRichting_Click(Main& main, int index)
{
    if (BusyGuard::held())
        return;
    const BusyGuard working;
    CardHistory::Change change(main.history);
    Rgb& fill = main.state.fillColor;
    fill.g = std::max(fill.g - 1, 0);
    const std::uint32_t fillValue = fill.value();
    const std::uint32_t drawValue = main.state.drawColor.value();
    BusyPointer busy;
    if (index == GradientCircularEntry)
        GradientCircular(main.card, fillValue, drawValue, CircularSteps, -1, -1);
    else
        GradientLinear(main.card, fillValue, index, drawValue, TwipsPerPixel);
    main.card.refresh();
}

template <typename Draw>
void decorate(Main& main, Draw draw)
{
    CardHistory::Change change(main.history);
    draw(main.card);
    main.card.refresh();
}

}

void installGradientsAndFrames(Main& main)
{
    for (int index = 0; index <= GradientCircularEntry; ++index)
        QObject::connect(main.GradientRichting[index], &QAction::triggered, &main,
                         [&main, index] { GradientRichting_Click(main, index); });

    for (int width : {1, 5, 10})
        QObject::connect(main.EditLijstrand[width], &QAction::triggered, &main,
                         [&main, width] { decorate(main, [width](CardSurface& card) { drawWhiteBorder(card, width); }); });
    QObject::connect(main.EditLijst[1], &QAction::triggered, &main, [&main] { decorate(main, drawCentreDisc); });
    QObject::connect(main.EditLijst[2], &QAction::triggered, &main, [&main] { decorate(main, drawCentreDiamond); });

    QObject::connect(main.ToolsConfig, &QAction::triggered, &main, [&main] {
        const BusyGuard busy(BusyGuard::Kind::Hold);
        Config window(main.state, &main);
        window.exec();
    });
}
