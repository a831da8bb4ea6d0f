#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

namespace kestrel::ui {

// The real time of a run: one precise single-shot timer set for when the
// session's next tick falls due, and a clock measuring the real time that
// passed since the session last heard of it.
class RunClock : public QObject {
    Q_OBJECT

public:
    // `due` runs when the scheduled time has come.
    RunClock(std::function<void()> due, QObject* parent);

    // The real milliseconds since the last call (or since the clock was
    // made), to hand to the session.
    double takeElapsedMs();

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
