#pragma once
#include <QImage>

// The program's icon, a postcard with a stamp, drawn at `size` x `size` pixels.
QImage appIcon(int size);
