#pragma once

#include "core/numbers/numbers.h"
#include "core/form/simulation_state.h"

// The three regions along the crystal. A position belongs to the n side up to
// and including JunctionLeft, to the p side from JunctionRight on, and to the
// depletion region strictly between; the comparisons are exact.
namespace kestrel {

inline bool onNSide(float x, const SimulationState& s) {
    return x <= s.JunctionLeft;
}

inline bool inDepletion(float x, const SimulationState& s) {
    return x > s.JunctionLeft && x < s.JunctionRight;
}

inline bool onPSide(float x, const SimulationState& s) {
    return x >= s.JunctionRight;
}

// A level inside the depletion region, on the straight line from its n-side
// value at JunctionLeft to its p-side value at JunctionRight. `rise` is the
// p-side value less the n-side one (a 16-bit difference). The distance into
// the region is a single, as positions are; the rest is double.
inline double acrossDepletion(float x, const SimulationState& s, int nSideLevel, Int16 rise) {
    const float intoRegion = x - static_cast<float>(s.JunctionLeft);
    return checkedResult(intoRegion * divide(rise, s.JunctionWidth) + nSideLevel);
}

// The valence edge inside the depletion region: where a hole hangs, and the
// lower end of an event marker.
inline double valenceEdgeInDepletion(float x, const SimulationState& s) {
    return acrossDepletion(x, s, s.EvYn, sub16(s.EvYp, s.EvYn));
}

// The Top of an electron resting on the conduction edge inside the depletion
// region: the sloped edge less the dot's size.
inline double electronRestInDepletion(float x, const SimulationState& s) {
    return acrossDepletion(x, s, sub16(s.EcYn, s.DotSize), sub16(s.EcYp, s.EcYn));
}

}  // namespace kestrel
