#include "editor/CardSteps.h"

#include "editor/CardContext.h"
#include "editor/CardDocument.h"
#include "editor/EditorState.h"
#include "editor/PhotoAdjusting.h"
#include "editor/PhotoOperations.h"

std::vector<CardStep> cardSteps(const CardDocument& document, const std::vector<Operation>& redoable)
{
    std::vector<CardStep> steps;
    steps.reserve(document.operations.size() + redoable.size());
    for (int index = 0; index < document.size(); ++index)
        steps.push_back({document.at(index).name(), document.at(index).kind(), false, index});
    for (const Operation& operation : redoable)
        steps.push_back({operation->name(), operation->kind(), true, -1});
    return steps;
}

bool choosePhotoFrame(CardContext& context, int index)
{
    EditorState& state = context.state();
    if (index < 0 || index >= state.document.size())
        return false;
    const auto* photo = dynamic_cast<const PhotoInFrame*>(&state.document.at(index));
    if (!photo || photo->layout() != state.currentLayout)
        return false;
    state.frameX = photo->frame().x();
    state.frameY = photo->frame().y();
    showFrameOutlines(context);
    return true;
}
