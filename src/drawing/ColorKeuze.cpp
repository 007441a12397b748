#include "drawing/ColorKeuze.h"

#include "drawing/ColorKeuzeWindow.h"
#include "editor/CardContext.h"
#include "editor/EditorState.h"
#include "platform/BusyGuard.h"
#include "platform/Twips.h"

void openColorPalette(CardContext& context, int leftTwips, int topTwips)
{
    const BusyGuard busy(BusyGuard::Kind::Hold);
    ColorKeuze window(context.state().paletteColor, context.window());
    window.move(twipsToPixels(leftTwips), twipsToPixels(topTwips));
    window.exec();
}
