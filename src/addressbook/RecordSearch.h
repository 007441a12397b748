#pragma once
// Finding an address by a piece of its name or place, ignoring case and accents.
#include <QStringList>

namespace RecordSearch {

// The first record from `from` on, wrapping round to the start, whose name or
// place holds `text`; -1 when none does or `text` is blank.
int find(const QStringList& names, const QStringList& places, const QString& text, int from);

}
