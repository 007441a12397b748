#include "platform/Wait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>

void Wacht(double seconds)
{
    if (!(seconds > 0) || !std::isfinite(seconds))
        return;
    const qint64 totalNs = qint64(std::min(seconds, 86400.0) * 1e9);
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.nsecsElapsed() < totalNs) {
        const qint64 leftMs = std::max<qint64>(1, (totalNs - elapsed.nsecsElapsed() + 999999) / 1000000);
        QEventLoop loop;
        QTimer::singleShot(std::chrono::milliseconds(leftMs), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
}
