#pragma once
// A copy of the card's pixels for the undo history: the current image and the
// base picture of both copies, over the whole card or over a screen rectangle
// of it (the print pictures then hold the matching PrintScale-times larger
// rectangle). A picture left null was not kept and is not written back.
// CardSurface takes, compares and restores them.
#include <QImage>
#include <QRect>

struct CardSnapshot {
    QRect rect; // screen pixels
    QImage image, basePicture, printImage, printBasePicture;
    // The part of a whole-card snapshot inside a screen rectangle.
    CardSnapshot part(const QRect& screen) const;
    // Writes the pictures `piece` holds over this snapshot's, at their place
    // (`piece` lies inside this snapshot's rectangle).
    void paste(const CardSnapshot& piece);
    qint64 bytes() const;
};
