#include "editor/UnsavedWork.h"

#include "editor/CardHistory.h"

#include <QCoreApplication>

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
    return unsaved() ? QCoreApplication::translate("Main", "De kaart is nog niet opgeslagen.\n%1").arg(designed) : designed;
}
