#pragma once
// The card layouts: where photos go, frame by frame, and the address side.
#include <QString>

class CardSurface;

struct CardLayout {
    int index;
    QString caption;
    double frameWidth;
    double frameHeight;
    double firstX;
    double firstY;
    QString info; // the help line shown when the layout is chosen
};

// The photo layouts 1..9; nullptr for any other index.
const CardLayout* photoLayout(int index);

// Caption of the help line for a layout menu entry (1..9, 18, 19).
QString layoutInfoText(int index);

// Moves (x, y) to the next frame of `layout` after a photo was painted.
void advanceFrame(int layout, double& x, double& y);

// Draws the address side: divider, stamp box and address lines.
void TekenAdreszijde(CardSurface& card);
