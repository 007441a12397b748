#include "app/Subsystems.h"

#include "app/Main.h"

void installGradientsAndFrames(Main&)
{
}
