#pragma once

#include <string>
#include <string_view>
#include <vector>

// The biases of a sweep, from a range written FROM:TO:STEP.
namespace kestrel {

// A sweep longer than this is taken for a mistyped range.
inline constexpr int kMostBiases = 10000;

// The biases FROM, FROM+STEP, ... up to TO, with TO itself when a step lands
// on it exactly. Each number is an optional "-", digits, and an optional "."
// with digits; the list is counted in units of the finest of the three
// numbers' last decimals, so no step drifts, and each bias is written with
// that many decimals ("-0.7:0.59:0.05" gives "-0.70", "-0.65", ..., "0.55").
// A malformed range, a step that is not positive, FROM above TO or more than
// kMostBiases biases throw std::invalid_argument saying which.
std::vector<std::string> parseBiasList(std::string_view range);

}  // namespace kestrel
