#include "platform/Progress.h"

#include "platform/EventPump.h"

void Progress::step(int percent)
{
    show(percent);
    EventPump::letEventsRun();
}
