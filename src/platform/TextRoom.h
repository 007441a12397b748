#pragma once
// Whether a control's caption has the room it needs. Windows are laid out for
// their Dutch captions; a translation may be longer, and then the control
// grows to the right within its parent, never past it. Controls that fit keep
// their designed width exactly.
class QWidget;

namespace TextRoom {

// The width `widget` needs to show its caption whole on one line; 0 for
// widgets without a one-line caption (pictures, word-wrapped labels, fields).
int neededWidth(const QWidget* widget);

// The widest `widget` can grow: up to its parent's inner right edge.
int widestWidth(const QWidget* widget);

// Gives `widget` the width it needs, starting from `designedWidth`, as far
// as its parent allows.
void fit(QWidget* widget, int designedWidth);

// Fits every placed control in `window`, each from the width it was first
// fitted from (its designed width).
void fitWindow(QWidget* window);

// Fits every window of the program as it is shown.
void fitWindowsWhenShown();

}
