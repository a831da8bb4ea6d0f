#pragma once

#include <iosfwd>
#include <optional>
#include <string_view>

#include "core/form/form1.h"

namespace kestrel {

// Drives a form from a script, one line at a time, and writes JSON Lines.
//
//   type BOX TEXT     BOX's text becomes TEXT (everything after the space)
//   click BUTTON      runs Command1, Command2 or Command3
//   tick TIMER [N]    N ticks of Timer1..Timer4; each runs only while enabled
//   dump              one JSON object with the whole state
//
// Blank lines and lines starting with "#" are skipped.
class ReplayEngine {
public:
    // Creates the form with every item at its design state and loads it.
    ReplayEngine(std::ostream& out, std::ostream& err);

    // Runs one line. Returns the exit status when the replay must stop:
    // 0 after "Close", 1 after a fatal run-time error, 2 for a line that is
    // not a command.
    std::optional<int> runLine(std::string_view line, int lineNumber);

    Form1& form() { return form_; }

private:
    std::optional<int> type(std::string_view rest, int lineNumber);
    std::optional<int> click(std::string_view rest, int lineNumber);
    std::optional<int> tickTimer(std::string_view rest, int lineNumber);
    std::optional<int> scriptError(int lineNumber, std::string_view problem);

    // Runs one event; an input error is reported and the replay goes on.
    template <typename Event>
    std::optional<int> runEvent(Event&& event);

    Form1 form_;
    std::ostream& out_;
    std::ostream& err_;
};

// Replays a whole script and returns the tool's exit status.
int replayScript(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace kestrel
