#include "filters/FilterMenu.h"

#include "app/Main.h"
#include "filters/RunFilter.h"
#include "filters/SurfaceEffects.h"
#include "platform/BusyPointer.h"
#include "platform/Colors.h"
#include "platform/PictureBox.h"

#include <QProgressBar>
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
    {Action::Filter, 12, 0},                     // 0 Grayscale
    {Action::Filter, 2, 0},                      // 1 Negative
    {Action::Filter, 14, 4},                     // 2 Light
    {Action::Filter, 14, -4},                    // 3 Dark
    {Action::Filter, 1, 10},                     // 4 Sharpen
    {Action::Nothing, 0, 0},                     // 5 Contrast submenu
    {Action::Filter, 15, 3},                     // 6 Pixelize
    {Action::Filter, 13, 0},                     // 7 Relief
    {Action::Nothing, 0, 0},                     // 8 Swap Colors submenu
    {Action::Filter, 23, 15},                    // 9 Scattered
    {Action::Filter, 3, 0},                      // 10 Blur
    {Action::Filter, 24, 0},                     // 11 Aquarel
    {Action::Filter, 4, 6},                      // 12 Defuse
    {Action::Filter, 29, 50},                    // 13 Add noise
    {Action::Filter, 6, 1},                      // 14 Edge
    {Action::Filter, 7, int(RGB(255, 255, 255))}, // 15 Contour, in white
    {Action::TransparentOverlay, 0, 0},          // 16 Transparant
    {Action::Sepia, 12, 0},                      // 17 Sepia: grey first
}};

void runOnCard(Main& main, int number, int parameter)
{
    RunFilter(number, main.card, parameter, main.state.progressPercent);
}

}

void EditConvert_Click(Main& main, int index)
{
    if (index < 0 || index >= int(convertEntries.size()))
        return;
    const ConvertEntry& entry = convertEntries[std::size_t(index)];
    CardHistory::Change change(main.history);
    showBusyPointer();
    main.startProgressStrip();
    switch (entry.action) {
    case Action::Nothing:
        break;
    case Action::Filter:
        runOnCard(main, entry.number, entry.parameter);
        break;
    case Action::TransparentOverlay: {
        const Rgb fill = main.state.fillColor;
        Transparent(main.card, main.ProgBar, fill.r, fill.g, fill.b);
        break;
    }
    case Action::Sepia:
        runOnCard(main, entry.number, entry.parameter);
        SepiaTone(main.card, main.ProgBar);
        break;
    }
    main.card.refresh();
    showNormalPointer();
    main.stopProgressStrip();
}

void EditContrastConvert_Click(Main& main, int index)
{
    CardHistory::Change change(main.history);
    if (index == 1 || index == 2)
        runOnCard(main, 17, index == 1 ? 10 : -10);
    main.card.refresh();
}

void EditSwap_Click(Main& main, int index)
{
    CardHistory::Change change(main.history);
    if (index >= 1 && index <= 5)
        runOnCard(main, 16, index);
    main.card.refresh();
}

void EditFlipConvert_Click(Main& main, int index)
{
    CardHistory::Change change(main.history);
    showBusyPointer();
    CardSurface& card = main.card;
    switch (index) {
    case 0:
        FlipHorizontal(card);
        break;
    case 1:
        FlipVertical(card);
        break;
    case 2:
        MirrorRight(card, main.ProgBar);
        break;
    case 3:
        MirrorDown(card, main.ProgBar);
        break;
    case 4:
        TiltCard(card, main.BackPic, main.ProgBar);
        break;
    default:
        break;
    }
    main.card.refresh();
    showNormalPointer();
}
