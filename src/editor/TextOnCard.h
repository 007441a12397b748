#pragma once
// The text panel: "Plaats", which prepares the preview that follows the
// pointer until the click prints the text.
#include "editor/TextPrinting.h"

#include <optional>

class CardContext;

// Font and style chosen in the text panel; nothing when the size box does not
// hold a whole number from 1 to 999 (the user is told so).
std::optional<TextFont> chosenTextFont(CardContext& context);
// Halo choice and the two shared colours.
TextInk chosenTextInk(CardContext& context);

// "Plaats": shows the preview and starts placing.
void PlaatsKnop_Click(CardContext& context);
