#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

namespace kestrel::ui {

// The real time of a run: one precise single-shot timer set for when the
// host's next tick falls due, and the clock the host reads real time from.
class RunClock : public QObject {
    Q_OBJECT

public:
    // `due` runs when the scheduled time has come.
    RunClock(std::function<void()> due, QObject* parent);

    // Real milliseconds on a monotonic clock, for the host; the time is
    // taken there.
    double nowMs();

    // Sets the timer for `ms` after the time was last taken, or stops it
    // when nothing falls due.
    void schedule(std::optional<double> ms);
    void stop() { timer_.stop(); }
    [[nodiscard]] bool isScheduled() const { return timer_.isActive(); }

private:
    QTimer timer_;
    QElapsedTimer elapsed_;
    qint64 takenAt_ = 0;  // nanoseconds on elapsed_
};

}  // namespace kestrel::ui
