#pragma once
// Mouse handling of the card: the drawing tools in the drawing layout, the
// text preview and coordinates in every layout, and the click that places text.
class CardContext;


void Voorkant_MouseDown(CardContext& context, int button, int shift, double x, double y);
void Voorkant_MouseMove(CardContext& context, int button, int shift, double x, double y);
void Voorkant_MouseUp(CardContext& context, int button, int shift, double x, double y);

// Tool button n: selects the tool and shows its name and help text; a second
// click on the chosen tool leaves it.
void Knop_Click(CardContext& context, int n);
// No drawing tool is chosen any more.
void leaveTool(CardContext& context);
// A key on the card view: the selected text's keys, and Esc leaves the tool.
void Voorkant_KeyDown(CardContext& context, int keyCode, int shift);
