#pragma once
// The filter entries of the "Bewerken" menu.
class Main;

void EditConvert_Click(Main& main, int index);
void EditContrastConvert_Click(Main& main, int index);
void EditSwap_Click(Main& main, int index);
void EditFlipConvert_Click(Main& main, int index);
