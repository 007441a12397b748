#include "platform/EventPump.h"

namespace {
std::function<void()>& hook()
{
    static std::function<void()> current;
    return current;
}
int& pauses()
{
    static int count = 0;
    return count;
}
}

void EventPump::setHook(std::function<void()> newHook)
{
    hook() = std::move(newHook);
}

void EventPump::letEventsRun()
{
    if (hook() && pauses() == 0)
        hook()();
}

EventPump::Pause::Pause()
{
    ++pauses();
}

EventPump::Pause::~Pause()
{
    --pauses();
}
