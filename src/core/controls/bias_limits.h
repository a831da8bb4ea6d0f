#pragma once

#include <string_view>

// The bias box holds its value within these limits, in volts: the set-up of
// "Start" and "Restart" rewrites a bias at or below the lowest as "-0.7" and
// one at or above the highest as "0.59".
namespace kestrel {

inline constexpr double kBiasLowest = -0.7;
inline constexpr double kBiasHighest = 0.59;
inline constexpr std::string_view kBiasLowestText = "-0.7";
inline constexpr std::string_view kBiasHighestText = "0.59";

}  // namespace kestrel
