#pragma once
// Returns after `seconds`, letting pending window events (painting, clicks,
// timers) run meanwhile without keeping a core busy. Wacht(0) returns at once
// and runs no event.
void Wacht(double seconds);
