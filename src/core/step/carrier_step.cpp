#include "core/step/carrier_step.h"

#include <cmath>

namespace kestrel {

float randomStep(float coordinate, float r, Int16 temperature) {
    const double direction = std::floor(3.0 * static_cast<double>(r) - 1.0);
    return toSingle(direction * temperature / 5.0 + static_cast<double>(coordinate));
}

float shifted(float left, int direction, Int16 temperature) {
    return toSingle(static_cast<double>(left) + direction * stepLength(temperature));
}

float pullStrength(float r, float top, Int16 fermiY) {
    const double distance = (fermiY - static_cast<double>(top)) / kPullDistance;
    return toSingle(static_cast<double>(r) * (distance * distance));
}

float binOf(float left, Int16 spanStart, Int16 spanEnd) {
    const double share = divide(static_cast<double>(left) - spanStart, sub16(spanEnd, spanStart));
    return toSingle(std::floor(share * kBins));
}

}  // namespace kestrel
