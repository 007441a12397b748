#pragma once
// Mouse handling of the card: the drawing tools in the drawing layout, the
// text preview and coordinates in every layout, and the click that places text.
class Main;

constexpr int DrawingLayout = 18;

void Voorkant_MouseDown(Main& main, int button, int shift, double x, double y);
void Voorkant_MouseMove(Main& main, int button, int shift, double x, double y);
void Voorkant_MouseUp(Main& main, int button, int shift, double x, double y);

// Tool button n: selects the tool and shows its name and help text.
void Knop_Click(Main& main, int n);
