#pragma once

#include <array>
#include <optional>
#include <string>
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
// How far the form's time may fall behind real time before the run slows
// down rather than run the ticks it owes all at once.
inline constexpr double kMostRealMsBehind = 1000;

class Session {
public:
    // Takes over a form that has just been loaded.
    explicit Session(Form1& form);

    Form1& form() { return form_; }

    // What the user does. A click runs its procedure; an input error is
    // thrown after it has been recorded and left the form as it was.
    void type(const design::TextBoxDesign& box, std::string text);
    void click(const design::ButtonDesign& button);

    // Real time passed: runs every tick that falls due meanwhile, in order,
    // late or not, so the speed and the machine's load never change what a
    // run does. Only when more than kMostRealMsBehind has passed does the
    // form's time move on by that much alone: the run slows down, and
    // behind() says so until the form's time has caught up for a second.
    // While paused, nothing happens.
    void advance(double realMs);
    [[nodiscard]] bool behind() const { return now_ < behindUntil_; }
    // The form's time, milliseconds since it was loaded.
    [[nodiscard]] double formMs() const { return now_; }
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
    // Timer1 ticks of the session so far, and since the crossing count was
    // last cleared (by a readout or a set-up).
    [[nodiscard]] long steps() const { return ticks_; }
    [[nodiscard]] long stepsSinceReadout() const { return ticksSinceReadout_; }

    // Every event that reached the form, as a script that replays it.
    [[nodiscard]] std::string script() const;
    [[nodiscard]] const ReadoutLog& readouts() const { return readouts_; }
    void clearChart() { readouts_.clearChart(); }

private:
    struct Entry {
        std::string line;                            // type and click lines
        const design::TimerDesign* timer = nullptr;  // tick lines
        const design::TextBoxDesign* box = nullptr;  // the box of a type line
        long count = 0;
    };

    void runUntil(double formTime);
    void fire(std::size_t timer, double at);
    void followTimers();
    void recordTick(const design::TimerDesign& timer);

    Form1& form_;
    double now_ = 0;  // form time, milliseconds since load
    std::array<std::optional<double>, design::kTimers.size()> due_{};
    double behindUntil_ = 0;
    long ticks_ = 0;  // Timer1 ticks of the session
    long ticksSinceReadout_ = 0;
    bool paused_ = false;
    int speed_ = kNormalSpeed;
    std::vector<Entry> record_;
    ReadoutLog readouts_;
};

}  // namespace kestrel::session
