#pragma once
// Moves the remembered settings between the settings file and the editor state.
struct EditorState;

// Puts the remembered label settings, offsets and print mode into `state`.
void loadRememberedSettings(EditorState& state);
// Remembers the label settings and the offsets of `state`.
void rememberLabelSettings(const EditorState& state);
