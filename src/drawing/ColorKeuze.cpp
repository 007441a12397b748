#include "drawing/ColorKeuze.h"

#include "app/Main.h"
#include "platform/Twips.h"
#include "drawing/ColorKeuzeWindow.h"

void openColorPalette(Main& main, int leftTwips, int topTwips)
{
    const Main::Busy busy(main);
    ColorKeuze window(main.state.paletteColor, &main);
    window.move(twipsToPixels(leftTwips), twipsToPixels(topTwips));
    window.exec();
}
