#pragma once
// The hourglass while a long operation runs, the normal arrow afterwards.
void showBusyPointer();
void showNormalPointer();

// Shows the hourglass for its lifetime, so every exit path restores the arrow.
class BusyPointer {
public:
    BusyPointer() { showBusyPointer(); }
    ~BusyPointer() { showNormalPointer(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};
