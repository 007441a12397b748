#pragma once
// Mouse handling of the card: the drawing tools in the drawing layout, the
// text preview and coordinates in every layout, and the click that places text.
class CardContext;


void Voorkant_MouseDown(CardContext& context, int button, int shift, double x, double y);
void Voorkant_MouseMove(CardContext& context, int button, int shift, double x, double y);
void Voorkant_MouseUp(CardContext& context, int button, int shift, double x, double y);

// Tool button n: selects the tool and shows its name and help text.
void Knop_Click(CardContext& context, int n);
