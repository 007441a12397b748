#pragma once
// The filter entries of the "Bewerken" menu: each adds its operation to the card.
class CardContext;

void EditConvert_Click(CardContext& context, int index);
void EditContrastConvert_Click(CardContext& context, int index);
void EditSwap_Click(CardContext& context, int index);
void EditFlipConvert_Click(CardContext& context, int index);
