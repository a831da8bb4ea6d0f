#pragma once

#include "core/form/simulation_state.h"
#include "core/numbers/numbers.h"

// The arithmetic that electrons and holes share in their move. A draw r is a
// single; it is widened to double before any arithmetic, and a result is
// rounded to single once, where it becomes a position.
namespace kestrel {

// The length of one thermal step in twips: Temperature / 5 (60 at 300 K).
inline double stepLength(Int16 temperature) {
    return temperature / 5.0;
}

// One random-walk step of a coordinate: back, nowhere or forward by one step
// length, each for a third of the draws.
float randomStep(float coordinate, float r, Int16 temperature);

// `left` moved by one step length in `direction` (+1 right, -1 left).
float shifted(float left, int direction, Int16 temperature);

// How hard the band pulls a carrier whose Top is `top` where the Fermi level
// is at `fermiY`: r × ((fermiY − top) / kPullDistance)², as a single. The
// carrier is pulled kPullTwips toward its band edge when this exceeds its
// threshold.
float pullStrength(float r, float top, Int16 fermiY);

// The bin of `left` in the span from `spanStart` to `spanEnd` cut into kBins:
// 0..kBins-1 inside the span, kBins at its end, outside 0..kBins beyond it.
float binOf(float left, Int16 spanStart, Int16 spanEnd);

// How far a carrier is pulled toward its band edge when the pull acts.
inline constexpr double kPullTwips = 60;

// The distance from the Fermi level at which a draw pulls with its full
// strength.
inline constexpr double kPullDistance = 500;

}  // namespace kestrel
