#pragma once

#include <string>

#include "core/form/form1.h"

namespace kestrel {

// What must hold for the carriers after every event: counts within 0..100,
// slot 0 at its design place, slots above the count parked, live dots on
// the crystal and inside the window's limits. Returns the first broken rule,
// or an empty string.
std::string brokenInvariant(const Form1& form);

}  // namespace kestrel
