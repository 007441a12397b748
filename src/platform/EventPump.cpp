#include "platform/EventPump.h"

namespace {
std::function<void()>& hook()
{
    static std::function<void()> current;
    return current;
}
}

void EventPump::setHook(std::function<void()> newHook)
{
    hook() = std::move(newHook);
}

void EventPump::letEventsRun()
{
    if (hook())
        hook()();
}
