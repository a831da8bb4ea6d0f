#pragma once

#include <string>

#include "core/form/form1.h"

namespace kestrel {

// The whole state of the form as one line of compact JSON: the 16-bit
// variables, the thresholds, the bins, the dots, the lines, the boxes, the
// timers, the chart and the number of random draws so far.
std::string dumpForm(const Form1& form);

}  // namespace kestrel
