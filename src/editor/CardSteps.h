#pragma once
// The card's steps as the list of steps shows them: the document's
// operations, oldest first, then the additions that redo would bring back,
// greyed, until a new edit drops them. A row follows a position in the
// document, so an operation changed in place (a moved photo) keeps its row.
#include "editor/CardOperation.h"

#include <vector>

class CardContext;
struct CardDocument;

struct CardStep {
    QString name;
    OperationKind kind;
    bool undone = false; // redo would add it again
    int index = -1;      // its place in the document; -1 when undone

    bool operator==(const CardStep& other) const
    {
        return name == other.name && kind == other.kind && undone == other.undone && index == other.index;
    }
};

std::vector<CardStep> cardSteps(const CardDocument& document, const std::vector<Operation>& redoable);

// Makes the frame of the photo at `index` the current frame when it was placed
// in the current layout, and shows the outlines. False for any other step.
bool choosePhotoFrame(CardContext& context, int index);
