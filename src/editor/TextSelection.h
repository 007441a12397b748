#pragma once
// Placed texts stay editable: a click selects one, the text panel changes it,
// a drag or the arrow keys move it and Delete removes it. Each change
// replaces the text's operation, and the card is drawn again from there.
#include <QPoint>

class CardContext;
struct CardDocument;
struct EditorState;

extern const char* const TextSelectedMessage;

// The text a click at `point` selects: the one placed last whose glyphs lie
// there, unless a later photo or filled shape covers that point. -1 when none.
int textAt(CardContext& context, QPoint point);

// The selected text's place in the document, or -1.
int selectedText(const EditorState& state);
// Selects the text at `index`: the text panel and the swatches show its values.
void selectText(CardContext& context, int index);
// Ends the selection; a text left without words is removed, as one step.
void endTextSelection(CardContext& context);

// The mouse on the card (card pixels), before the photos and the tools see it;
// each returns true when it used the event. A press on a text selects it (with
// no drawing tool in use), a drag moves it; a press elsewhere ends the selection.
bool textMouseDown(CardContext& context, int button, double x, double y);
bool textMouseMove(CardContext& context, int button, double x, double y);
bool textMouseUp(CardContext& context, int button, double x, double y);
// Esc ends the selection, Delete removes the text, the arrow keys move it by
// a pixel (ten with Shift). True when the key was used.
bool textKey(CardContext& context, int keyCode, int shift);
// The text panel or a colour changed: the selected text changes with it. The
// screen copy follows at once; the print copy, and the step of the history,
// once the changes pause (TypingPause) or anything else needs the card.
void textPanelChanged(CardContext& context);
constexpr int TypingPause = 400; // milliseconds
// Draws the print copy of the text changes still pending and ends their step.
// Everything that edits, saves or prints the card calls this first.
void finishTextEditing(CardContext& context);
