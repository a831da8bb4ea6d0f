#pragma once

#include <iosfwd>
#include <optional>
#include <string_view>

#include "core/host/host.h"

namespace kestrel {

// Drives the host from a script (core/session/script_line.h), one line at a
// time, and writes JSON Lines: one whole-state object per "dump", an error
// object per error. Complaints go to the error stream, each naming the
// line's number and quoting it.
class ReplayEngine {
public:
    ReplayEngine(std::ostream& out, std::ostream& err);

    // Runs one line. Returns the exit status when the replay must stop:
    // 0 after "Close", 1 after a fatal run-time error (an error object on
    // the output, what it means on the error stream), 2 for a line that is
    // not a command, one beyond a limit, or a picture that cannot be
    // written.
    std::optional<int> runLine(std::string_view line, int lineNumber);

    [[nodiscard]] const Form1& form() const { return host_.form(); }
    [[nodiscard]] const host::Host& host() const { return host_; }

private:
    std::optional<int> writePicture(const std::string& path);
    std::ostream& complain();

    host::Host host_;
    std::ostream& out_;
    std::ostream& err_;
    // The line being run, as written, without a trailing carriage return.
    std::string_view line_;
    int lineNumber_ = 0;
};

// Replays a whole script and returns the tool's exit status. The output is
// flushed at the end and before a status is returned.
int replayScript(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace kestrel
