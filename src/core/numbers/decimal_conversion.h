#pragma once

#include <charconv>
#include <string>
#include <string_view>

// Decimal text to binary floating point and back, the same on every
// platform. Where the standard library converts floating point itself
// (std::from_chars and std::to_chars for double and float), those do the
// work; elsewhere (the WebAssembly build's library has neither) the C
// library's correctly rounded strtod, strtof and snprintf stand in, in the
// "C" locale and shaped to give exactly the same results. Both versions are
// compiled wherever they can be, so the tests can hold one against the other.
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
#define KESTREL_STANDARD_FLOAT_CHARCONV 1
#else
#define KESTREL_STANDARD_FLOAT_CHARCONV 0
#endif

namespace kestrel {

enum class DecimalStatus {
    Read,        // the nearest double, ties to even
    OutOfRange,  // too large for a double, or so small it reads as zero
    NotDecimal,  // not digits with at most one "."
};

struct DecimalReading {
    double value = 0;  // meaningful when read
    DecimalStatus status = DecimalStatus::NotDecimal;
};

// Reads a whole text of ASCII digits with at most one "." and at least one
// digit ("12", "0.5", ".5", "5."), as std::from_chars does in its fixed
// format. Anything else, a sign or blanks included, is not decimal.
DecimalReading readDecimal(std::string_view text);

// The shortest text that reads back as the same single, as std::to_chars
// writes it: "0.3", "-1.5", "123456792", "1e+20", "1.5e-05", "inf", "nan".
std::string shortestText(float value);

// The two ways of doing each, for the tests; readDecimal and shortestText
// pick one. The portable ones expect what readDecimal accepts.
DecimalReading readDecimalPortable(std::string_view text);
std::string shortestTextPortable(float value);
#if KESTREL_STANDARD_FLOAT_CHARCONV
DecimalReading readDecimalStandard(std::string_view text);
std::string shortestTextStandard(float value);
#endif

}  // namespace kestrel
