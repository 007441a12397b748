#pragma once
// What a HEIF file's derived pictures (grids of tiles, overlays, identities)
// are made of, read from its boxes before libheif decodes them. libheif
// builds a grid or overlay at the size its own data gives, whatever the size
// properties claim, and aborts on an ingredient that is no picture item, so
// the loader has to check both first.
#include <QByteArray>
#include <QList>
#include <QSize>
#include <optional>

namespace HeifDerivations {

struct Derived {
    QList<QSize> canvases;           // of every grid and overlay
    bool ingredientsArePictures = true;    // every 'dimg' reference leads to a picture item
};

// The derived pictures of every top-level meta box; nothing for a file without
// them. Nullopt when a grid's or overlay's data, or a reference box, cannot be
// read.
std::optional<Derived> derivedPictures(const QByteArray& file);

}
