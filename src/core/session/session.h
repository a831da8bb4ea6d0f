#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/form/design.h"
#include "core/session/readout_log.h"

// The classroom controls of a run, for every front-end: run and pause, one
// step at a time, the speed, the record of every event as a script, and the
// log of readouts. The session keeps the form's own time: each of the four
// timers falls due on it every interval, and the front-end only says how
// much real time has passed.
namespace kestrel::session {

// The speeds a run can go at, slowest first; speed scales every timer's
// interval alike.
inline constexpr std::array<double, 5> kSpeeds{0.25, 0.5, 1, 2, 4};
inline constexpr int kNormalSpeed = 2;

// Where a replayed script stopped, if it did not run to its end.
struct ReplayStop {
    int line;             // 1-based
    std::string problem;  // empty when "Close" ended the run
};

class Session {
public:
    // Takes over a form that has just been loaded.
    explicit Session(Form1& form);

    Form1& form() { return form_; }

    // What the user does. A click runs its procedure; an input error is
    // thrown after it has been recorded and left the form as it was.
    void type(const design::TextBoxDesign& box, std::string text);
    void click(const design::ButtonDesign& button);

    // Real time passed: runs every tick that falls due meanwhile, in order.
    // While paused, nothing happens.
    void advance(double realMs);
    // Real time until the next tick falls due; nothing when paused or when
    // no timer runs.
    [[nodiscard]] std::optional<double> realMsToNextTick() const;

    void pause() { paused_ = true; }
    void resume() { paused_ = false; }
    [[nodiscard]] bool paused() const { return paused_; }
    // While paused: one Timer1 tick, and the other timers moved on by the
    // same 50 ms of form time. Before "Start" only the form time moves.
    void step();

    [[nodiscard]] double speed() const { return kSpeeds.at(static_cast<std::size_t>(speed_)); }
    void slower();
    void faster();
    void setSpeed(double speed);  // the nearest of kSpeeds

    // One tick of a running timer at once, as a script's tick line runs it:
    // the form time moves on to when it falls due, if that is later. A timer
    // that does not run does nothing and gives false.
    bool tickNow(const design::TimerDesign& timer);
    // Timer1 ticks of the session so far.
    [[nodiscard]] long steps() const { return ticks_; }

    // Every event that reached the form, as a script that replays it.
    [[nodiscard]] std::string script() const;
    [[nodiscard]] const ReadoutLog& readouts() const { return readouts_; }

    // Runs a saved script on this session, which must have just been made
    // for a freshly loaded form; the run goes on live from its end.
    std::optional<ReplayStop> replay(std::string_view scriptText);

private:
    struct Entry {
        std::string line;                            // type and click lines
        const design::TimerDesign* timer = nullptr;  // tick lines
        const design::TextBoxDesign* box = nullptr;  // the box of a type line
        long count = 0;
    };

    void runUntil(double formTime);
    void fire(std::size_t timer, double at, double lateAfter);
    void followTimers();
    void recordTick(const design::TimerDesign& timer);

    Form1& form_;
    double now_ = 0;  // form time, milliseconds since load
    std::array<std::optional<double>, design::kTimers.size()> due_{};
    long ticks_ = 0;  // Timer1 ticks of the session
    bool paused_ = false;
    int speed_ = kNormalSpeed;
    std::vector<Entry> record_;
    ReadoutLog readouts_;
};

}  // namespace kestrel::session
