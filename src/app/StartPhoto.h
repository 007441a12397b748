#pragma once
#include <QImage>

// The start screen's photo: postcards fanned out on a light desk, with room on
// the left for the information text. 500 x 320 logical pixels, drawn at
// `ratio` device pixels to a logical pixel.
QImage startPhoto(qreal ratio = 1);
