#include "filters/FilterMenu.h"

#include "editor/CardContext.h"
#include "editor/CardHistory.h"
#include "editor/EditorState.h"
#include "filters/RunFilter.h"
#include "filters/SurfaceEffects.h"
#include "platform/BusyPointer.h"
#include "platform/Colors.h"
#include "platform/Progress.h"

#include <array>

namespace {

// What each "Filters" entry runs: a numbered filter and its parameter, an
// effect on the card, or (the two submenus) nothing.
enum class Action { Nothing, Filter, TransparentOverlay, Sepia };
struct ConvertEntry {
    Action action;
    int number;
    int parameter;
};
const std::array<ConvertEntry, 18> convertEntries = {{
    {Action::Filter, FilterNumber::Grayscale, 0},              // 0 Grayscale
    {Action::Filter, FilterNumber::Negative, 0},               // 1 Negative
    {Action::Filter, FilterNumber::Brightness, 4},             // 2 Light
    {Action::Filter, FilterNumber::Brightness, -4},            // 3 Dark
    {Action::Filter, FilterNumber::Sharpen, 10},               // 4 Sharpen
    {Action::Nothing, 0, 0},                                   // 5 Contrast submenu
    {Action::Filter, FilterNumber::Pixelize, 3},               // 6 Pixelize
    {Action::Filter, FilterNumber::Relief, 0},                 // 7 Relief
    {Action::Nothing, 0, 0},                                   // 8 Swap Colors submenu
    {Action::Filter, FilterNumber::Scattered, 15},             // 9 Scattered
    {Action::Filter, FilterNumber::Blur, 0},                   // 10 Blur
    {Action::Filter, FilterNumber::Aquarel, 0},                // 11 Aquarel
    {Action::Filter, FilterNumber::Defuse, 6},                 // 12 Defuse
    {Action::Filter, FilterNumber::AddNoise, 50},              // 13 Add noise
    {Action::Filter, FilterNumber::Edge, 1},                   // 14 Edge
    {Action::Filter, FilterNumber::Contour, int(RGB(255, 255, 255))}, // 15 Contour, in white
    {Action::TransparentOverlay, 0, 0},                        // 16 Transparant
    {Action::Sepia, FilterNumber::Grayscale, 0},               // 17 Sepia: grey first
}};

void runOnCard(CardContext& context, int number, int parameter)
{
    RunFilter(number, context.card(), parameter, context.filterProgress());
}

}

void EditConvert_Click(CardContext& context, int index)
{
    if (index < 0 || index >= int(convertEntries.size()))
        return;
    const ConvertEntry& entry = convertEntries[std::size_t(index)];
    CardHistory::Change change(context.history());
    BusyPointer busy;
    const ShownProgress strip(context.filterProgress());
    switch (entry.action) {
    case Action::Nothing:
        break;
    case Action::Filter:
        runOnCard(context, entry.number, entry.parameter);
        break;
    case Action::TransparentOverlay: {
        const Rgb fill = context.state().fillColor;
        Transparent(context.card(), &context.effectProgress(), fill.r, fill.g, fill.b);
        break;
    }
    case Action::Sepia:
        runOnCard(context, entry.number, entry.parameter);
        SepiaTone(context.card(), &context.effectProgress());
        break;
    }
    context.card().refresh();
}

void EditContrastConvert_Click(CardContext& context, int index)
{
    CardHistory::Change change(context.history());
    if (index == 1 || index == 2)
        runOnCard(context, FilterNumber::Contrast, index == 1 ? 10 : -10);
    context.card().refresh();
}

void EditSwap_Click(CardContext& context, int index)
{
    CardHistory::Change change(context.history());
    if (index >= 1 && index <= 5)
        runOnCard(context, FilterNumber::SwapColors, index);
    context.card().refresh();
}

void EditFlipConvert_Click(CardContext& context, int index)
{
    CardHistory::Change change(context.history());
    BusyPointer busy;
    CardSurface& card = context.card();
    switch (index) {
    case 0:
        FlipHorizontal(card);
        break;
    case 1:
        FlipVertical(card);
        break;
    case 2:
        MirrorRight(card, &context.effectProgress());
        break;
    case 3:
        MirrorDown(card, &context.effectProgress());
        break;
    case 4:
        TiltCard(card, context.photoBuffer(), &context.effectProgress());
        break;
    default:
        break;
    }
    context.card().refresh();
}
