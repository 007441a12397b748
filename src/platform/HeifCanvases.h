#pragma once
// The canvas sizes of a HEIF file's derived pictures: grids of tiles and
// overlays. libheif builds these at the size their own data gives, whatever
// the file's size properties claim, so the memory check has to read them.
#include <QByteArray>
#include <QList>
#include <QSize>
#include <optional>

namespace HeifCanvases {

// The canvas of every grid and overlay item of every top-level meta box;
// empty for a file without them. Nullopt when such an item's data cannot be
// found or read.
std::optional<QList<QSize>> derivedCanvases(const QByteArray& file);

}
