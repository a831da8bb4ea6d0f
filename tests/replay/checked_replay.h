#pragma once

#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "replay_engine.h"

namespace kestrel {

// The replay engine, with what it and the simulation promise checked after
// every line, for the soak and the fuzzer: a line stops the replay only with
// status 0 after "click Command2" ({"end":true} written), 1 with one fatal
// error object written, or 2 with a complaint naming the line; otherwise it
// writes a dump for "dump", an input error for "Start" or "Restart" exactly
// when a box they read is not a number (or the temperature not a 16-bit one),
// leaving the whole form as it was, and nothing else. Once "Start" has placed
// the carriers they keep their invariants: counts within 0..100, slot 0 at its
// design place, slots above the count parked, live dots on the crystal, none
// above y 0 or, for holes, below y 4500. That holds while every set-up since
// "Start" had the n side's Fermi level 0.12 to 0.8 eV above the p side's (0.6
// in the window); beyond, new carriers may start outside (see fuzz/findings/).
class CheckedReplay {
public:
    // Runs one line; returns the promise it broke, or an empty string.
    std::string run(std::string_view line, int lineNumber);

    // The status the replay stopped with, once a line has stopped it.
    [[nodiscard]] std::optional<int> status() const { return status_; }
    // Every line run so far, for kestrel-replay to replay.
    [[nodiscard]] const std::string& script() const { return script_; }

private:
    std::ostringstream out_;
    std::ostringstream err_;
    ReplayEngine engine_{out_, err_};
    std::string script_;
    std::optional<int> status_;
    bool invariantsHold_ = false;  // for the Fermi levels of every set-up since "Start"
};

}  // namespace kestrel
