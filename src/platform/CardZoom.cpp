#include "platform/CardZoom.h"

#include <algorithm>
#include <cmath>

namespace CardZoom {

int stepIn(int percent)
{
    for (int step : Steps)
        if (step > percent)
            return step;
    return Largest;
}

int stepOut(int percent)
{
    for (auto step = Steps.rbegin(); step != Steps.rend(); ++step)
        if (*step < percent)
            return *step;
    return Smallest;
}

int bounded(int percent)
{
    return std::clamp(percent, Smallest, Largest);
}

int fitting(QSize card, QSize panel)
{
    if (card.isEmpty() || panel.isEmpty())
        return Smallest;
    // Whole percents, rounded down: exact integer arithmetic, no float steps.
    const long long across = 100LL * panel.width() / card.width();
    const long long down = 100LL * panel.height() / card.height();
    return int(std::clamp<long long>(std::min(across, down), Smallest, Largest));
}

int validChoice(int choice)
{
    return choice == Fit || (choice >= Smallest && choice <= Largest) ? choice : Fit;
}

int anchoredScroll(double card, double viewport, int percent)
{
    return int(std::lround(card * percent / 100.0 - viewport));
}

}
