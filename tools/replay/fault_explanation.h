#pragma once

#include <string>
#include <string_view>

#include "core/form/form1.h"
#include "core/numbers/run_time_error.h"

namespace kestrel {

// Where a fatal run-time error struck.
struct FaultPlace {
    std::string_view event;      // the button or timer, e.g. "Timer1"
    long tick = 0;               // which of the line's ticks, from 1; 0 for a click
    long ticksSinceReadout = 0;  // Timer1 ticks since CrossCount was last cleared
};

// Says in words what a fatal run-time error means, for a person reading the
// replay's complaint: the kind, the event and tick, and, where the form it
// left shows it, which value went out of range and what drove it there.
//   fatal overflow in Timer1's tick 32768 of this line: the crossing count ...
std::string explainFault(const RunTimeError& error, const Form1& form, const FaultPlace& place);

}  // namespace kestrel
