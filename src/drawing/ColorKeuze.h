#pragma once
// The colour palette window.
class CardContext;

// Shows the palette modally with its top-left corner at (left, top) twips on
// the screen; the picked colour (or the last one under the pointer) is left in
// the editor state's paletteColor.
void openColorPalette(CardContext& context, int leftTwips, int topTwips);
