#include "app/ScriptedEdits.h"

#include "app/Main.h"
#include "drawing/DrawingOperations.h"
#include "editor/CardEditing.h"

#include <QRandomGenerator>
#include <QTimer>

int scriptedEditInterval()
{
    return qEnvironmentVariableIntValue("PRENTVEL_TEST_EDITS");
}

void startScriptedEdits(Main& main, int interval)
{
    main.setAutosaveTimes(0, interval);
    main.LayoutKaart_Click(Layout::FreeDrawing);
    auto* timer = new QTimer(&main);
    QObject::connect(timer, &QTimer::timeout, &main, [&main] {
        QRandomGenerator& random = *QRandomGenerator::global();
        StrokeStyle style;
        style.drawColor = Rgb{int(random.bounded(256)), int(random.bounded(256)), int(random.bounded(256))};
        style.lineWidth = 1 + int(random.bounded(4));
        const std::vector<QPointF> points{QPointF(random.bounded(515.0), random.bounded(365.0)),
                                          QPointF(random.bounded(515.0), random.bounded(365.0))};
        addOperation(main.context(), std::make_shared<ToolStroke>(DrawingTool::StraightLine, style, points));
    });
    timer->start(interval);
}
