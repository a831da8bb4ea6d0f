#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/numbers/numbers.h"

namespace kestrel {

// Reads a box text as the decimal number it shows (plain_number_text.h):
// surrounding blanks ignored, an optional "+" or "-", digits with an optional
// fraction after "." or "," and at least one digit in all. Exponents,
// hexadecimal, group separators and numbers too large for a double are not
// numbers.
std::optional<double> parseNumber(std::string_view text);

// A 16-bit count as the boxes show it: its digits, "-" when negative.
std::string formatCount(Int16 value);

}  // namespace kestrel
