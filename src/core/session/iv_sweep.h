#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/numbers/numbers.h"

// The current at a range of biases, each measured on its own freshly loaded
// form, without a window: what a handout's I-V curve is drawn from.
namespace kestrel {

// Timer1 runs every 50 ms and Timer2 reads the current every 10 s.
inline constexpr int kTimer1TicksPerMinute = 1200;
inline constexpr int kTimer1TicksPerReadout = 200;
inline constexpr int kReadoutsPerMinute = kTimer1TicksPerMinute / kTimer1TicksPerReadout;

// The longest run a bias may be given, in minutes.
inline constexpr int kMostSweepMinutes = 60;

struct IvRow {
    std::string bias;             // as typed into the bias box
    std::vector<Int16> readings;  // what the current box showed after each readout
};

// A form as just after the program starts, with `bias` typed into the bias
// box and "Start" clicked, run for `minutes` of Timer1 ticks with a Timer2
// readout after every 200th tick; the flash timers, which only hide the event
// markers, are not ticked. A timer ticks only while the form has it enabled.
// A run-time error of the form is thrown as it is.
IvRow runIvBias(const std::string& bias, int minutes);

// Told how many biases have run each time one more has, from the thread
// that ran it.
using IvSweepProgress = std::function<void(std::size_t finished)>;

// One row per bias, in order, each on its own fresh form, so no row depends
// on another and the biases can run side by side: on `workers` threads, or
// one per processor when 0. A run-time error is thrown with the bias it
// happened at in its message; when several biases fail, the first of them
// in the list is reported, however the work was shared.
std::vector<IvRow> runIvSweep(const std::vector<std::string>& biases, int minutes, unsigned workers = 0,
                              const IvSweepProgress& progress = {});

// The mean of the readings in hundredths, rounded to the nearest with halves
// away from zero, computed exactly; 0 when there are none.
long long meanInHundredths(const std::vector<Int16>& readings);

// Hundredths written with two decimals: 1234 as "12.34", -5 as "-0.05".
std::string writtenInHundredths(long long hundredths);

}  // namespace kestrel
