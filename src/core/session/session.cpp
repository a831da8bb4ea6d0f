#include "core/session/session.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "core/numbers/run_time_error.h"
#include "core/session/script_line.h"

namespace kestrel::session {
namespace {

// The timer a step ticks once: the step of the animation.
constexpr std::size_t kStepTimer = 0;
static_assert(std::string_view(design::kTimers[kStepTimer].name) == "Timer1");
constexpr std::size_t kReadoutTimer = 1;
static_assert(std::string_view(design::kTimers[kReadoutTimer].name) == "Timer2");

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

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
    }
    followTimers();
}

void Session::advance(double realMs) {
    if (!paused_) {
        runUntil(now_ + realMs * speed());
    }
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
    fire(number, std::max(now_, *due_[number]), now_);
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
        fire(*next, *due_[*next], formTime);
    }
    now_ = formTime;
}

// A timer late by more than its interval ticks once, then keeps its interval
// from `lateAfter`: intervals that passed meanwhile are not made up.
void Session::fire(std::size_t timer, double at, double lateAfter) {
    const design::TimerDesign& design = design::kTimers[timer];
    const int interval = (form_.*design.member).Interval;
    now_ = at;
    due_[timer] = at + interval < lateAfter ? lateAfter + interval : at + interval;
    if (timer == kReadoutTimer) {
        readouts_.read(form_, ticks_);
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

std::optional<ReplayStop> Session::replay(std::string_view scriptText) {
    if (scriptText.starts_with(kByteOrderMark)) {
        scriptText.remove_prefix(kByteOrderMark.size());
    }
    int number = 0;
    while (!scriptText.empty()) {
        const auto end = scriptText.find('\n');
        const std::string_view line = scriptText.substr(0, end);
        scriptText.remove_prefix(end == std::string_view::npos ? scriptText.size() : end + 1);
        ++number;
        const script::Line parsed = script::parseLine(line);
        if (const auto* bad = std::get_if<script::Bad>(&parsed)) {
            return ReplayStop{number, bad->problem};
        }
        if (const auto* type = std::get_if<script::Type>(&parsed)) {
            this->type(*type->box, type->text);
        } else if (const auto* click = std::get_if<script::Click>(&parsed)) {
            try {
                this->click(*click->button);
            } catch (const RunTimeError& error) {
                if (error.fatal()) {
                    throw;
                }
            }
            if (form_.ended()) {
                return ReplayStop{number, ""};
            }
        } else if (const auto* tick = std::get_if<script::Tick>(&parsed)) {
            for (long n = 0; n < tick->count && tickNow(*tick->timer); ++n) {
            }
        }
    }
    return std::nullopt;
}

}  // namespace kestrel::session
