#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/session/iv_sweep.h"

// kestrel-replay --sweep FROM:TO:STEP [--minutes M] [--picture FILE.svg]:
// the current at each bias of a range, as CSV, and optionally as a chart.
namespace kestrel {

inline constexpr int kDefaultSweepMinutes = 5;

// The most simulation a sweep may ask for, in biases times minutes: about a
// minute on two processors (a bias-minute takes about 18 ms of one), so a
// mistyped range cannot keep a class's computer busy for hours.
inline constexpr long kMostSweepBiasMinutes = 6000;

struct SweepRequest {
    std::vector<std::string> biases;
    int minutes = kDefaultSweepMinutes;
    std::string picture;  // where the chart goes; empty for none
};

// The request from the options' values. A range, a number of minutes (a
// whole number from 1 to 60), a sweep of more than kMostSweepBiasMinutes or
// a picture name the sweep cannot use (empty, or not printable) throws
// std::invalid_argument saying why.
SweepRequest readSweepRequest(std::string_view range, std::optional<std::string_view> minutes,
                              std::optional<std::string_view> picture);

// "bias_v,current,readouts" and a row per bias: the bias as typed, the mean
// reading with two decimals and how many readings it is the mean of.
std::string sweepCsv(const std::vector<IvRow>& rows);

// The rows' chart, a filled dot per bias at its mean reading, as an SVG
// document of 600 by 450 pixels.
std::string sweepSvg(const std::vector<IvRow>& rows);

// Runs the sweep, writes the CSV to `out` and the chart to the picture file.
// Returns the tool's exit status: 0, 1 when the form fails with a run-time
// error (nothing is written; `err` says at which bias), 2 when the picture
// cannot be written (`err` says why). Whether the picture can be written is
// known before the sweep runs; the picture is written whole or not at all,
// and an interrupted sweep leaves no part of it. A sweep that runs long says
// how far it has come on `err`.
int runSweep(const SweepRequest& request, std::ostream& out, std::ostream& err);

}  // namespace kestrel
