#include "app/Subsystems.h"

#include "app/Main.h"
#include "filters/FilterMenu.h"
#include "platform/BusyGuard.h"

#include <QAction>

namespace {
template <std::size_t N>
void connectEntries(Main& main, const std::array<QAction*, N>& actions, void (*handler)(CardContext&, int))
{
    for (std::size_t index = 0; index < N; ++index) {
        if (QAction* action = actions[index])
            QObject::connect(action, &QAction::triggered, &main, [&main, handler, index] {
                // A filter chosen while other work runs (its events are let through) is refused.
                if (BusyGuard::held())
                    return;
                // The filter itself holds the guard as work.
                const BusyGuard busy(BusyGuard::Kind::Hold);
                handler(main.context(), int(index));
            });
    }
}
}

void installFilters(Main& main)
{
    connectEntries(main, main.EditConvert, EditConvert_Click);
    connectEntries(main, main.EditContrastConvert, EditContrastConvert_Click);
    connectEntries(main, main.EditSwap, EditSwap_Click);
    connectEntries(main, main.EditFlipConvert, EditFlipConvert_Click);
}
