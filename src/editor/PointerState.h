#pragma once
// What the mouse is doing on the card: a text being placed, a tool's drag or
// a photo being moved, and where the pointer was last (card pixels).
#include <memory>

struct PhotoDrag;
struct ToolDrag;

struct PointerState {
    bool placingText = false;
    // The drawing tool's gesture and the photo moved with the mouse, while they last.
    std::shared_ptr<ToolDrag> toolDrag;
    std::shared_ptr<PhotoDrag> photoDrag;
    double pointerX = -1;
    double pointerY = -1;
};
