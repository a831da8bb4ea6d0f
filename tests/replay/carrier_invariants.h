#pragma once

#include <string>

#include "model/form1.h"

namespace kestrel {

// What must hold for the carriers after every event once "Start" has placed
// them: counts within 0..100, slot 0 at its design place, slots above the
// count parked, live dots on the crystal, electrons not above the window's
// top (y 0) and holes not below y 4500. Returns the first broken rule, or an
// empty string.
std::string brokenInvariant(const Form1& form);

// Whether every set-up with these n- and p-side Fermi levels (eV) keeps the
// invariants, at any bias and temperature: with the n side's level 0.12 to
// 0.8 eV above the p side's (0.6 in the window) no new electron starts above
// y 0 and no new hole below y 4500. Beyond that they may: see fuzz/findings/.
bool keepsInvariants(double fermiN, double fermiP);

}  // namespace kestrel
