#include "ui/run_clock.h"

#include <algorithm>
#include <cmath>

namespace kestrel::ui {
namespace {

constexpr double kNanosecondsPerMs = 1e6;

}  // namespace

RunClock::RunClock(std::function<void()> due, QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, std::move(due));
    elapsed_.start();
}

double RunClock::nowMs() {
    takenAt_ = elapsed_.nsecsElapsed();
    return static_cast<double>(takenAt_) / kNanosecondsPerMs;
}

// The time is counted from the last time taken, so the work done since
// does not delay the tick. A timer rounded down would wake before the tick
// is due and find nothing to do; rounded up, it wakes at most a millisecond
// late.
void RunClock::schedule(std::optional<double> ms) {
    if (!ms) {
        timer_.stop();
        return;
    }
    const double sinceTaken = static_cast<double>(elapsed_.nsecsElapsed() - takenAt_) / kNanosecondsPerMs;
    timer_.start(static_cast<int>(std::ceil(std::max(0.0, *ms - sinceTaken))));
}

}  // namespace kestrel::ui
