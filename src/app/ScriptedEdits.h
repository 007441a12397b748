#pragma once
// For tests that run the program as a separate process: with
// PRENTVEL_TEST_EDITS set to a number of milliseconds, the program opens its
// main window at once and draws a line on the card at that interval, and
// autosaves after every change.
class Main;

// The interval asked for, or 0 when the program runs for a person.
int scriptedEditInterval();
void startScriptedEdits(Main& main, int interval);
