#pragma once

#include <iosfwd>
#include <optional>
#include <string_view>

#include "core/form/form1.h"
#include "core/session/script_line.h"

namespace kestrel {

struct FaultPlace;
namespace design {
struct TimerDesign;
}

// Drives a form from a script (core/session/script_line.h), one line at a
// time, and writes JSON Lines: one whole-state object per "dump", an error
// object per error. A UTF-8 byte-order mark before line 1 is skipped. Complaints go to the error stream, each
// naming the line's number and quoting it.
class ReplayEngine {
public:
    // Creates the form with every item at its design state and loads it.
    ReplayEngine(std::ostream& out, std::ostream& err);

    // Runs one line. Returns the exit status when the replay must stop:
    // 0 after "Close", 1 after a fatal run-time error (an error object on
    // the output, what it means on the error stream), 2 for a line that is
    // not a command or a picture that cannot be written.
    std::optional<int> runLine(std::string_view line, int lineNumber);

    Form1& form() { return form_; }

private:
    std::optional<int> run(const script::Skip&);
    std::optional<int> run(const script::Type& type);
    std::optional<int> run(const script::Click& click);
    std::optional<int> run(const script::Tick& tick);
    std::optional<int> run(const script::Dump&);
    std::optional<int> run(const script::Picture& picture);
    std::optional<int> run(const script::Bad& bad);
    void countTowardReadout(const design::TimerDesign& event);
    std::optional<int> scriptError(std::string_view problem);
    std::ostream& complain();

    // Runs one event; an input error is reported and the replay goes on.
    template <typename Event>
    std::optional<int> runEvent(Event&& event, const FaultPlace& place);

    Form1 form_;
    std::ostream& out_;
    std::ostream& err_;
    // The line being run, as written, without a trailing carriage return.
    std::string_view line_;
    int lineNumber_ = 0;
    // Timer1 ticks since CrossCount was last cleared by a readout or a set-up.
    long ticksSinceReadout_ = 0;
    // The last event ended in an input error and changed nothing.
    bool refused_ = false;
};

// Replays a whole script and returns the tool's exit status. The output is
// flushed at the end and before a status is returned.
int replayScript(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace kestrel
