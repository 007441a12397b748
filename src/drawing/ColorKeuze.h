#pragma once
// The colour palette window.
class Main;

// Shows the palette modally with its top-left corner at (left, top) twips on
// the screen; the picked colour (or the last one under the pointer) is left in
// main.state.paletteColor.
void openColorPalette(Main& main, int leftTwips, int topTwips);
