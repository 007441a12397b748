#include "editor/UnsavedWork.h"

#include "editor/CardHistory.h"

UnsavedWork::UnsavedWork(const CardHistory& history) : history_(history), saved_(history.currentState()) {}

void UnsavedWork::markSaved()
{
    saved_ = history_.currentState();
}

// No state of the history has this name.
void UnsavedWork::markUnsaved()
{
    saved_ = ~quint64(0);
}

bool UnsavedWork::unsaved() const
{
    return history_.currentState() != saved_;
}

QString UnsavedWork::question(const QString& designed) const
{
    return unsaved() ? QStringLiteral("De kaart is nog niet opgeslagen.\n") + designed : designed;
}
