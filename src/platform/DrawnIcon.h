#pragma once
// An icon drawn by code at device pixel ratios 1, 2 and 3, sharp on any screen:
// `draw` paints in logical pixels on a transparent square of `size` of them.
#include <QIcon>
#include <functional>

class QPainter;

QIcon drawnIcon(int size, const std::function<void(QPainter&)>& draw);
