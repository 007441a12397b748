#pragma once
// What the mouse is doing on the card: a text being placed, a tool's drag or
// a photo being moved, and where the pointer was last (card pixels).
#include <memory>

struct PhotoDrag;
struct TextDrag;
struct TextEditing;
struct ToolDrag;

struct PointerState {
    bool placingText = false;
    // The drawing tool's gesture and the photo moved with the mouse, while they last.
    std::shared_ptr<ToolDrag> toolDrag;
    std::shared_ptr<PhotoDrag> photoDrag;
    // The selected text's place in the card's document, -1 when none; a drag of it.
    int selectedText = -1;
    std::shared_ptr<TextDrag> textDrag;
    // Changes of the selected text from the panel whose print copy is still to be drawn.
    std::shared_ptr<TextEditing> textEditing;
    double pointerX = -1;
    double pointerY = -1;
};
