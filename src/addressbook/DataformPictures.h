#pragma once
// The pictures of the address book window, drawn by the program itself.
#include <QPixmap>

namespace DataformPictures {

enum class Arrow { First, Previous, Next, Last };

// A 16 x 12 arrow for a navigation button: a bar before or after the
// triangle for the first and the last record.
QPixmap arrow(Arrow kind);

// The 32 x 32 picture in the window's corner: an address card on an envelope.
QPixmap addressCard();

}
