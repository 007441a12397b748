#include "app/Subsystems.h"

#include "app/Main.h"
#include "platform/Twips.h"
#include "drawing/Config.h"
#include "drawing/DrawingOperations.h"
#include "editor/CardEditing.h"
#include "drawing/Frames.h"
#include "drawing/Gradients.h"
#include "platform/BusyGuard.h"
#include "platform/BusyPointer.h"

#include <QAction>
#include <algorithm>

namespace {

// Every gradient darkens the stored fill colour a little (its swatch keeps the
// old colour) and replaces the whole card.
void GradientRichting_Click(Main& main, int index)
{
    if (BusyGuard::held())
        return;
    const BusyGuard working(BusyGuard::Kind::Hold);
    Rgb& fill = main.state.fillColor;
    fill.g = std::max(fill.g - 1, 0);
    BusyPointer busy;
    addOperation(main.context(), std::make_shared<GradientOperation>(index, fill, main.state.drawColor));
}

}

void installGradientsAndFrames(Main& main)
{
    for (int index = 0; index <= GradientCircularEntry; ++index)
        QObject::connect(main.GradientRichting[index], &QAction::triggered, &main,
                         [&main, index] { GradientRichting_Click(main, index); });

    const auto addFrame = [&main](FrameOperation::Shape shape, int index) {
        return [&main, shape, index] { addOperation(main.context(), std::make_shared<FrameOperation>(shape, index)); };
    };
    for (int width : BorderWidths)
        QObject::connect(main.EditLijstrand[width], &QAction::triggered, &main, addFrame(FrameOperation::Border, width));
    for (int index : {1, 2})
        QObject::connect(main.EditLijst[index], &QAction::triggered, &main, addFrame(FrameOperation::Centre, index));

    QObject::connect(main.ToolsConfig, &QAction::triggered, &main, [&main] {
        const BusyGuard busy(BusyGuard::Kind::Hold);
        Config window(main.state, &main);
        window.exec();
    });
}
