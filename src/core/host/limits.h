#pragma once

#include <cstddef>

// What one script or run may ask of the program, so that no file and no line
// can freeze a class's screen or use up the machine's memory. A script beyond
// a limit is refused at the line that broke it, before it has used more than
// a few seconds and a few hundred megabytes.
namespace kestrel::host {

// A script's size, and one line's (a typed text longer than a box holds
// never gets near it).
inline constexpr std::size_t kMostScriptBytes = 64UL << 20;
inline constexpr std::size_t kMostLineBytes = 256UL << 10;
// The ticks one "tick" line may ask for: an hour of steps.
inline constexpr long kMostTicksPerLine = 72'000;
// The ticks a whole script may run: about five hours of steps, some five
// seconds of work.
inline constexpr long kMostTicksPerScript = 360'000;
// The readouts a run may hold: some 280 hours of the readout timer.
inline constexpr std::size_t kMostReadouts = 100'000;

}  // namespace kestrel::host
