#include "model/numbers.h"

#include <cmath>
#include <limits>

#include "model/run_time_error.h"

namespace kestrel {
namespace {

Int16 narrow(int value) {
    if (value < std::numeric_limits<Int16>::min() || value > std::numeric_limits<Int16>::max()) {
        raiseOverflow();
    }
    return static_cast<Int16>(value);
}

}  // namespace

Int16 add16(int a, int b) {
    return narrow(a + b);
}

Int16 sub16(int a, int b) {
    return narrow(a - b);
}

Int16 mul16(int a, int b) {
    return narrow(a * b);
}

Int16 to16(double value) {
    checkedResult(value);
    // The default floating-point environment rounds to nearest, ties to even.
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<Int16>::min() || rounded > std::numeric_limits<Int16>::max()) {
        raiseOverflow();
    }
    return static_cast<Int16>(rounded);
}

float toSingle(double value) {
    const float single = static_cast<float>(checkedResult(value));
    if (std::isinf(single)) {
        raiseFloat(FloatFault::Overflow);
    }
    return single;
}

double checkedResult(double value) {
    if (std::isnan(value)) {
        raiseFloat(FloatFault::InvalidOperation);
    }
    if (std::isinf(value)) {
        raiseFloat(FloatFault::Overflow);
    }
    return value;
}

double divide(double a, double b) {
    if (b == 0.0) {
        raiseFloat(FloatFault::DivisionByZero);
    }
    return checkedResult(a / b);
}

}  // namespace kestrel
