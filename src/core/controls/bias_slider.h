#pragma once

#include <string>
#include <string_view>

#include "core/controls/bias_limits.h"

// The classroom panel's bias slider: whole hundredths of a volt from the
// lowest bias the box keeps to the highest. On its release the panel types
// the slider's bias into the bias box and applies it, as a user would.
namespace kestrel {

inline constexpr int kHundredthsPerVolt = 100;
inline constexpr int kSliderLowest = -70;
inline constexpr int kSliderHighest = 59;
static_assert(kSliderLowest == kBiasLowest * kHundredthsPerVolt);
static_assert(kSliderHighest == kBiasHighest * kHundredthsPerVolt);

// The bias as the slider types it: "-0.70", "0.05", "0.30".
std::string sliderBiasText(int hundredths);
// Where the slider stands for the bias box's text: the nearest hundredth,
// held within the slider's ends; 0 V for a text that is not a number.
int sliderPosition(std::string_view biasText);

}  // namespace kestrel
