#include "drawing/ColorKeuze.h"

#include "app/Main.h"

void openColorPalette(Main&, int, int)
{
}
