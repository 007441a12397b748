#include "platform/BusyGuard.h"

namespace {
int heldCount = 0;
int workCount = 0;
}

BusyGuard::BusyGuard(Kind kind) : kind_(kind)
{
    ++heldCount;
    if (kind_ == Kind::Work)
        ++workCount;
}

BusyGuard::~BusyGuard()
{
    if (kind_ == Kind::Work)
        --workCount;
    if (--heldCount == 0)
        Q_EMIT notifier().freed();
}

bool BusyGuard::held()
{
    return heldCount > 0;
}

bool BusyGuard::working()
{
    return workCount > 0;
}

BusyNotifier& BusyGuard::notifier()
{
    static BusyNotifier instance;
    return instance;
}
