#pragma once
// One guard for everything that lets window events run before it is done:
// filters, effects, gradients, a print run, and the modal windows opened from
// the main window. While a guard is held, handlers that such events reach
// refuse to start new work, and the main window keeps a close request until
// the last guard is let go (freed()).
#include <QObject>

// Sends freed() each time the last guard is let go.
class BusyNotifier : public QObject {
    Q_OBJECT
Q_SIGNALS:
    void freed();
};

class BusyGuard {
public:
    // Hold keeps the program (a modal window, a menu command around its
    // work); Work is the operation itself, which refuses nested work.
    enum class Kind { Hold, Work };

    explicit BusyGuard(Kind kind = Kind::Work);
    ~BusyGuard();
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

    // True while any guard is held.
    static bool held();
    // True while work (a filter, an effect, a gradient, a print run) runs.
    static bool working();

    static BusyNotifier& notifier();

private:
    Kind kind_;
};
