#pragma once
// Moves the print settings between the settings file and `PrintSettings`.
struct PrintSettings;

// Puts the remembered label settings, offsets and print mode into `settings`.
void loadRememberedSettings(PrintSettings& settings);
// Remembers the label settings and the offsets of `settings`.
void rememberLabelSettings(const PrintSettings& settings);
