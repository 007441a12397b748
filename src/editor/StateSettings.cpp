#include "editor/StateSettings.h"

#include "editor/EditorState.h"
#include "platform/Settings.h"

void loadRememberedSettings(EditorState& state)
{
    state.labelLeft = Settings::labelLeft();
    state.labelTop = Settings::labelTop();
    state.labelWidth = Settings::labelWidth();
    state.labelHeight = Settings::labelHeight();
    state.labelsPerSheet = Settings::labelsPerSheet();
    state.offsetX = Settings::offsetX();
    state.offsetY = Settings::offsetY();
    state.printMode = Settings::printMode(state.printMode);
}

void rememberLabelSettings(const EditorState& state)
{
    Settings::setLabelLeft(state.labelLeft);
    Settings::setLabelTop(state.labelTop);
    Settings::setLabelWidth(state.labelWidth);
    Settings::setLabelHeight(state.labelHeight);
    Settings::setLabelsPerSheet(state.labelsPerSheet);
    Settings::setOffsetX(state.offsetX);
    Settings::setOffsetY(state.offsetY);
}
