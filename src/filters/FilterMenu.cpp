#include "filters/FilterMenu.h"

#include "editor/CardContext.h"
#include "editor/CardEditing.h"
#include "editor/EditorState.h"
#include "filters/FilterOperation.h"
#include "platform/BusyPointer.h"
#include "platform/Progress.h"
#include "platform/Random.h"

#include <memory>

namespace {

void run(CardContext& context, FilterMenu menu, int index)
{
    const auto operation = std::make_shared<FilterOperation>(menu, index, context.state().fillColor, Random::state());
    if (!operation->acts())
        return;
    // The "Filters" entries show the strip and the busy pointer, the conversions the pointer.
    std::unique_ptr<BusyPointer> busy;
    if (menu == FilterMenu::Filters || menu == FilterMenu::Flips)
        busy = std::make_unique<BusyPointer>();
    std::unique_ptr<ShownProgress> strip;
    if (menu == FilterMenu::Filters)
        strip = std::make_unique<ShownProgress>(context.filterProgress());
    addOperation(context, operation);
    if (menu == FilterMenu::Flips && index == 4)
        context.photoBuffer() = lastTiltPicture();
}

}

void EditConvert_Click(CardContext& context, int index)
{
    run(context, FilterMenu::Filters, index);
}

void EditContrastConvert_Click(CardContext& context, int index)
{
    run(context, FilterMenu::Contrast, index);
}

void EditSwap_Click(CardContext& context, int index)
{
    run(context, FilterMenu::Swap, index);
}

void EditFlipConvert_Click(CardContext& context, int index)
{
    run(context, FilterMenu::Flips, index);
}
