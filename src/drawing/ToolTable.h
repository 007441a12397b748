#pragma once
// The twelve drawing tools: tooltip, name shown in the tool label and help line.
#include <QIcon>
#include <QString>

struct ToolDescription {
    const char* tip;
    const char* name;
    const char* help;
};

constexpr int ToolCount = 12;

// Tool n = 1..12 (the index of its button).
const ToolDescription& toolDescription(int n);
// The button picture of tool n, drawn for buttons of about 38 x 36 pixels.
QIcon toolIcon(int n);
