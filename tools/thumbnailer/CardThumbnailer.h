#pragma once
// What prentvel-thumbnailer does, apart from reading its arguments: copies the
// thumbnail a card file keeps into a PNG of the size the desktop asks for.
#include <QString>

// Writes the card's stored thumbnail to `output` as a PNG whose long side is
// `size`, or the stored one's when that is smaller; the aspect stays. Empty on
// success, else why not; on failure no `output` is left behind.
QString writeCardThumbnail(const QString& card, const QString& output, int size);
