#include "core/session/session.h"

#include <algorithm>
#include <cmath>

#include "core/numbers/run_time_error.h"
#include "core/session/script_line.h"

namespace kestrel::session {
namespace {

// The timer a step ticks once: the step of the animation.
constexpr std::size_t kStepTimer = 0;
static_assert(std::string_view(design::kTimers[kStepTimer].name) == "Timer1");
constexpr std::size_t kReadoutTimer = 1;
static_assert(std::string_view(design::kTimers[kReadoutTimer].name) == "Timer2");

bool setsUpTheJunction(const design::ButtonDesign& button) {
    return button.click == &Form1::Command1_Click || button.click == &Form1::Command3_Click;
}

}  // namespace

Session::Session(Form1& form) : form_(form) {
    followTimers();
}

void Session::type(const design::TextBoxDesign& box, std::string text) {
    (form_.*box.member).Text = text;
    // Keystrokes into one box with nothing between them are one event.
    if (!record_.empty() && record_.back().box == &box) {
        record_.back().line = script::typeLine(box, text);
        return;
    }
    record_.push_back({script::typeLine(box, text), nullptr, &box, 0});
}

void Session::click(const design::ButtonDesign& button) {
    record_.push_back({script::clickLine(button)});
    try {
        (form_.*button.click)();
    } catch (const RunTimeError&) {
        followTimers();
        throw;
    }
    if (setsUpTheJunction(button)) {
        readouts_.setUp(form_);
        ticksSinceReadout_ = 0;  // the set-up clears the crossing count
    }
    followTimers();
}

void Session::advance(double realMs) {
    if (paused_) {
        return;
    }
    if (realMs > kMostRealMsBehind) {
        realMs = kMostRealMsBehind;
        // Said for a second after the form's time has moved on again.
        behindUntil_ = now_ + 2 * kMostRealMsBehind * speed();
    }
    runUntil(now_ + realMs * speed());
}

std::optional<double> Session::realMsToNextTick() const {
    std::optional<double> next;
    for (const auto& due : due_) {
        if (due && (!next || *due < *next)) {
            next = due;
        }
    }
    if (paused_ || !next) {
        return std::nullopt;
    }
    return std::max(0.0, (*next - now_) / speed());
}

void Session::step() {
    if (!paused_) {
        return;
    }
    const auto& stepDue = due_[kStepTimer];
    runUntil(stepDue ? *stepDue : now_ + design::kTimers[kStepTimer].start.Interval);
}

void Session::slower() {
    speed_ = std::max(speed_ - 1, 0);
}

void Session::faster() {
    speed_ = std::min(speed_ + 1, static_cast<int>(kSpeeds.size()) - 1);
}

void Session::setSpeed(double speed) {
    const auto distance = [speed](double candidate) { return std::fabs(std::log2(candidate / speed)); };
    const auto nearest = std::min_element(kSpeeds.begin(), kSpeeds.end(),
                                          [&](double a, double b) { return distance(a) < distance(b); });
    speed_ = static_cast<int>(nearest - kSpeeds.begin());
}

bool Session::tickNow(const design::TimerDesign& timer) {
    followTimers();  // the form's timers as they are now
    const auto number = static_cast<std::size_t>(&timer - design::kTimers.data());
    if (!due_.at(number)) {
        return false;
    }
    fire(number, std::max(now_, *due_[number]));
    // A timer the script has not ticked while its time passed is due at
    // once, so a live run that goes on from here does not make up its ticks.
    for (auto& due : due_) {
        if (due && *due < now_) {
            due = now_;
        }
    }
    return true;
}

// Ticks fall due in time order; timers due at the same moment tick in the
// order of their numbers, so a step comes before the readout it completes.
void Session::runUntil(double formTime) {
    for (;;) {
        std::optional<std::size_t> next;
        for (std::size_t i = 0; i < due_.size(); ++i) {
            if (due_[i] && *due_[i] <= formTime && (!next || *due_[i] < *due_[*next])) {
                next = i;
            }
        }
        if (!next) {
            break;
        }
        fire(*next, *due_[*next]);
    }
    now_ = formTime;
}

// Every tick falls due one interval after the last, however late it runs.
void Session::fire(std::size_t timer, double at) {
    const design::TimerDesign& design = design::kTimers[timer];
    const int interval = (form_.*design.member).Interval;
    now_ = at;
    due_[timer] = at + interval;
    if (timer == kReadoutTimer) {
        readouts_.read(form_, ticks_, at);
        ticksSinceReadout_ = 0;
    } else if (timer == kStepTimer) {
        ++ticksSinceReadout_;  // a step may move the crossing count
    }
    recordTick(design);
    try {
        tick(form_, design);
    } catch (const RunTimeError&) {
        followTimers();
        throw;
    }
    if (timer == kStepTimer) {
        ++ticks_;
    }
    followTimers();
}

// A timer the form has just enabled falls due one interval from now; one it
// has disabled no longer does. Enabling a running timer does not restart it.
void Session::followTimers() {
    for (std::size_t i = 0; i < due_.size(); ++i) {
        const TimerItem& timer = form_.*design::kTimers[i].member;
        if (!timer.Enabled) {
            due_[i].reset();
        } else if (!due_[i]) {
            due_[i] = now_ + timer.Interval;
        }
    }
}

void Session::recordTick(const design::TimerDesign& timer) {
    if (!record_.empty() && record_.back().timer == &timer) {
        ++record_.back().count;
        return;
    }
    record_.push_back({{}, &timer, nullptr, 1});
}

std::string Session::script() const {
    std::string text;
    for (const Entry& entry : record_) {
        text += entry.timer ? script::tickLine(*entry.timer, entry.count) : entry.line;
        text += '\n';
    }
    return text;
}

}  // namespace kestrel::session
