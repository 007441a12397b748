#pragma once
// Long operations call letEventsRun() between steps so that the window stays
// alive. The program installs a hook that processes Qt events; without one
// (tests, benchmarks) the call does nothing.
#include <functional>

namespace EventPump {
void setHook(std::function<void()> hook);
void letEventsRun();

// While one is alive, letEventsRun() does nothing: work that runs inside an
// event handler (a replay of the card during a drag) must not let the next
// event of the same handler in before it is done.
class Pause {
public:
    Pause();
    ~Pause();
    Pause(const Pause&) = delete;
    Pause& operator=(const Pause&) = delete;
};
}
