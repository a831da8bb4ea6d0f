#include "core/controls/bias_slider.h"

#include <algorithm>
#include <cmath>

#include "core/numbers/text_number.h"
#include "core/session/iv_sweep.h"

namespace kestrel {

std::string sliderBiasText(int hundredths) {
    return writtenInHundredths(std::clamp(hundredths, kSliderLowest, kSliderHighest));
}

int sliderPosition(std::string_view biasText) {
    const double volts = parseNumber(biasText).value_or(0);
    if (std::isnan(volts)) {
        return 0;
    }
    const double hundredths = std::nearbyint(volts * kHundredthsPerVolt);  // ties to even
    return static_cast<int>(std::clamp<double>(hundredths, kSliderLowest, kSliderHighest));
}

}  // namespace kestrel
