#pragma once
// Characters the address file's code page (Windows-1252) cannot hold, and the
// nearest letters that it can: "Ł" becomes "L", "Č" becomes "C".
#include <QString>

namespace NearestLetters {

bool canHold(char32_t c);

// The characters of `text` that the address file cannot hold, each once, in
// the order they first appear.
QString unholdable(const QString& text);

// `text` for comparing and searching: accents removed, letters without accent
// forms replaced, case folded. "José" and "JOSE" give the same.
QString folded(const QString& text);

}
