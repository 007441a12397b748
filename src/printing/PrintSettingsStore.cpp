#include "printing/PrintSettingsStore.h"

#include "platform/Settings.h"
#include "printing/PrintSettings.h"

void loadRememberedSettings(PrintSettings& settings)
{
    settings.labelLeft = Settings::labelLeft();
    settings.labelTop = Settings::labelTop();
    settings.labelWidth = Settings::labelWidth();
    settings.labelHeight = Settings::labelHeight();
    settings.labelsPerSheet = Settings::labelsPerSheet();
    settings.offsetX = Settings::offsetX();
    settings.offsetY = Settings::offsetY();
    settings.backOffsetX = Settings::backOffsetX();
    settings.backOffsetY = Settings::backOffsetY();
    settings.printMode = Settings::printMode(settings.printMode);
}

void rememberLabelSettings(const PrintSettings& settings)
{
    Settings::setLabelLeft(settings.labelLeft);
    Settings::setLabelTop(settings.labelTop);
    Settings::setLabelWidth(settings.labelWidth);
    Settings::setLabelHeight(settings.labelHeight);
    Settings::setLabelsPerSheet(settings.labelsPerSheet);
    Settings::setOffsetX(settings.offsetX);
    Settings::setOffsetY(settings.offsetY);
    Settings::setBackOffsetX(settings.backOffsetX);
    Settings::setBackOffsetY(settings.backOffsetY);
}
