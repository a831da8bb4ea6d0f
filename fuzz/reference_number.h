#pragma once

#include <optional>
#include <string_view>

// An independent reading of the number syntax documented in
// src/core/numbers/text_number.h, for the fuzz target to compare parseNumber with.
// It shares no code with the program: the text is recognised one character
// at a time, and the value comes from strtod in the C locale.
namespace kestrel::fuzz {

// The documented syntax:
//   blanks* sign? digits* (separator digits*)? blanks*
// where blanks are spaces and tabs, sign is "+" or "-", separator is "." or
// ",", and there is at least one digit in all. Anything else (exponents,
// hexadecimal, group separators, other characters) is not a number, and
// neither is a number whose nearest double would be infinite.
//
// The value is the double nearest to the decimal, ties to even; one too
// small to tell from zero is zero. The sign is kept on zero: "-0", "-,0" and
// "-0.000…1" (too small) are -0.0, "0" and "+0" are +0.0, as IEEE negation
// and strtod give it.
std::optional<double> referenceNumber(std::string_view text);

}  // namespace kestrel::fuzz
