#pragma once
// The text panel: clearing the text, and "Plaats", which prepares the preview
// that follows the pointer until the click prints the text.
#include "editor/TextPrinting.h"

#include <optional>

class Main;

// Font and style chosen in the text panel; nothing when the size box does not
// hold a whole number from 1 to 999 (the user is told so).
std::optional<TextFont> chosenTextFont(Main& main);
// Halo choice and the two shared colours.
TextInk chosenTextInk(const Main& main);

// Double-click on the text box: empties it.
void Text1_DblClick(Main& main);
// "Plaats": shows the preview and starts placing.
void PlaatsKnop_Click(Main& main);
