#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "core/numbers/run_time_error.h"

// The program's number rules, in one place: state is 16-bit and every
// addition, subtraction and multiplication on it is checked; a double
// assigned to 16 bits goes to the nearest integer with ties to the even one;
// positions are single precision, rounded once where they are stored; every
// floating-point result is checked for an invalid operation, a division by
// zero and an overflow. The step runs these for every carrier, so they are
// inline; only the failures leave the line.
namespace kestrel {

using Int16 = std::int16_t;

namespace detail {

inline Int16 narrow(int value) {
    if (value < std::numeric_limits<Int16>::min() || value > std::numeric_limits<Int16>::max()) {
        raiseOverflow();
    }
    return static_cast<Int16>(value);
}

}  // namespace detail

inline Int16 add16(int a, int b) {
    return detail::narrow(a + b);
}

inline Int16 sub16(int a, int b) {
    return detail::narrow(a - b);
}

inline Int16 mul16(int a, int b) {
    return detail::narrow(a * b);
}

// A floating-point result that is not a number is an invalid operation, an
// infinite one an overflow.
inline double checkedResult(double value) {
    if (std::isnan(value)) {
        raiseFloat(FloatFault::InvalidOperation);
    }
    if (std::isinf(value)) {
        raiseFloat(FloatFault::Overflow);
    }
    return value;
}

// Nearest 16-bit integer, ties to even; outside -32768..32767 is an overflow.
// A value that is not finite is the floating-point fault that produced it.
inline Int16 to16(double value) {
    checkedResult(value);
    // The default floating-point environment rounds to nearest, ties to even.
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<Int16>::min() || rounded > std::numeric_limits<Int16>::max()) {
        raiseOverflow();
    }
    return static_cast<Int16>(rounded);
}

// Nearest single, ties to even; a double too large for a single is a
// floating-point overflow.
inline float toSingle(double value) {
    const float single = static_cast<float>(checkedResult(value));
    if (std::isinf(single)) {
        raiseFloat(FloatFault::Overflow);
    }
    return single;
}

// a / b as a double; a zero divisor is a run-time error.
inline double divide(double a, double b) {
    if (b == 0.0) {
        raiseFloat(FloatFault::DivisionByZero);
    }
    return checkedResult(a / b);
}

}  // namespace kestrel
