#pragma once
// The frames of the photo layouts as rectangles on the card, and which frame
// a click picks where frames overlap.
#include <QPoint>
#include <QRect>
#include <QVector>

// The frames of a photo layout (1..9) in the layout's order, from its first
// frame on by the layout's advance rule; none for any other layout.
QVector<QRect> layoutFrames(int layout);

// The index of the frame whose top-left corner is (x, y), or -1.
int frameIndexAt(const QVector<QRect>& frames, double x, double y);

// The frame a click at `point` picks, or -1 outside every frame. Where frames
// overlap, the frame whose photo was painted last wins; among empty frames,
// the later one in the layout's order. `paintOrder[i]` is the position of
// frame i's photo in the order of painting, -1 for an empty frame.
int pickFrame(const QVector<QRect>& frames, const QVector<int>& paintOrder, QPoint point);
