#pragma once
// Long operations call letEventsRun() between steps so that the window stays
// alive. The program installs a hook that processes Qt events; without one
// (tests, benchmarks) the call does nothing.
#include <functional>

namespace EventPump {
void setHook(std::function<void()> hook);
void letEventsRun();
}
