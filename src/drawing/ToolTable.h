#pragma once
// The twelve drawing tools: tooltip, name shown in the tool label and help line.
// The table holds the texts as written in the source; the functions below give
// them in the language of the interface.
#include <QIcon>
#include <QString>

struct ToolDescription {
    const char* tip;
    const char* name;
    const char* help;
};

// The tools by the index of their button; NoTool when none is chosen.
namespace DrawingTool {
enum Id {
    NoTool = 0, Freehand = 1, StraightLine = 2, Rectangle = 3, FilledRectangle = 4, Ellipse = 5,
    FilledEllipse = 6, Fill = 7, Spray = 8, Eraser = 9, Picker = 10, ColouredCircles = 11, PhotoImport = 12
};
}
constexpr int ToolCount = DrawingTool::PhotoImport;

// Tool n = 1..12 (the index of its button).
const ToolDescription& toolDescription(int n);
QString drawingToolTip(int n);
QString drawingToolName(int n);
// The caption of the tool label: the name of `tool`, or "Tekenknoppen" when no
// tool is chosen.
QString drawingToolCaption(int tool);
// The button picture of tool n, 28 x 28 logical pixels for buttons of about
// 38 x 36, drawn sharp at device pixel ratios 1, 2 and 3.
QIcon toolIcon(int n);
