#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/host/run.h"
#include "core/numbers/run_time_error.h"
#include "core/session/script_line.h"

// A script's lines run on a run, one at a time, as the user's events would
// reach it, within the limits on a script's work (limits.h). The replay tool
// and the opening of a saved run both go through it.
namespace kestrel::host {

struct LineOutcome {
    script::Line line = script::Skip{};
    // The run-time error an event ended in; an input error leaves the form
    // as it was and the script goes on.
    std::optional<RunTimeError> error;
    // Why the line was refused: not a command, or beyond a limit (a text
    // marked for translation, context "script"); nothing ran.
    std::string refused;
    long ticksRun = 0;   // of a tick line, up to and including a failed one
    bool ended = false;  // "Close" ended the run

    [[nodiscard]] bool fatal() const { return error && error->fatal(); }
};

class ScriptRunner {
public:
    explicit ScriptRunner(Run& run) : run_(run) {}

    // Runs one line, without its line break. A UTF-8 byte-order mark before
    // the first line and a carriage return at the end are dropped.
    LineOutcome runLine(std::string_view line);

    [[nodiscard]] int lineNumber() const { return lineNumber_; }

private:
    [[nodiscard]] const char* beyondLimit(const script::Line& parsed) const;
    void runEvent(LineOutcome& outcome, const script::Line& parsed);

    Run& run_;
    int lineNumber_ = 0;
    std::size_t bytes_ = 0;
    long ticks_ = 0;
};

}  // namespace kestrel::host
