#include "core/numbers/decimal_conversion.h"

#include <locale.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <system_error>

namespace kestrel {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isPlainDecimal(std::string_view text) {
    bool pointSeen = false;
    bool digitSeen = false;
    for (const char c : text) {
        if (isDigit(c)) {
            digitSeen = true;
        } else if (c == '.' && !pointSeen) {
            pointSeen = true;
        } else {
            return false;
        }
    }
    return digitSeen;
}

bool hasNonZeroDigit(std::string_view text) {
    return text.find_first_of("123456789") != std::string_view::npos;
}

// The C library reads and writes numbers in the thread's locale; a program
// that has taken the user's locale may want "," for the point. This switches
// the thread to the "C" locale for the guard's lifetime.
class CLocaleNumbers {
public:
    CLocaleNumbers() : previous_(uselocale(cLocale())) {}
    ~CLocaleNumbers() { uselocale(previous_); }
    CLocaleNumbers(const CLocaleNumbers&) = delete;
    CLocaleNumbers& operator=(const CLocaleNumbers&) = delete;

private:
    static locale_t cLocale() {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
        return c;
    }

    locale_t previous_;
};

// A decimal of a few digits: significand times ten to the power of
// (exponent - digits + 1), so that exponent is the power of ten of the
// first digit.
struct ShortDecimal {
    std::uint64_t significand;
    int exponent;
    int digits;
};

std::uint64_t powerOfTen(int n) {
    std::uint64_t power = 1;
    for (int i = 0; i < n; ++i) {
        power *= 10;
    }
    return power;
}

std::string text(const ShortDecimal& decimal) {
    return std::to_string(decimal.significand) + 'e' + std::to_string(decimal.exponent - decimal.digits + 1);
}

bool readsBackAs(const ShortDecimal& decimal, float magnitude) {
    return std::strtof(text(decimal).c_str(), nullptr) == magnitude;
}

// printf's "%.*e" writes the value correctly rounded to so many digits, ties
// to even.
ShortDecimal nearest(float magnitude, int digits) {
    std::array<char, 32> written{};
    std::snprintf(written.data(), written.size(), "%.*e", digits - 1, static_cast<double>(magnitude));
    // "d.ddde+XX", or "de+XX" for one digit
    const std::string_view view(written.data());
    const std::size_t e = view.find('e');
    std::string significand(view.substr(0, 1));
    if (digits > 1) {
        significand += view.substr(2, e - 2);
    }
    return {std::stoull(significand), std::atoi(written.data() + e + 1), digits};
}

// The decimal of as many digits next to `decimal`, up or down.
ShortDecimal next(ShortDecimal decimal, bool up) {
    const std::uint64_t lowest = powerOfTen(decimal.digits - 1);
    if (up && ++decimal.significand == 10 * lowest) {
        decimal.significand = lowest;
        ++decimal.exponent;
    } else if (!up && decimal.significand-- == lowest) {
        decimal.significand = 10 * lowest - 1;
        --decimal.exponent;
    }
    return decimal;
}

// The decimal of `digits` digits closest to the single that reads back as
// it, if any. Just above a power of two the gap to the single below is half
// the gap above, so the nearest decimal may read back as the single below
// while the next one on the far side still reads back right: to_chars then
// takes that one.
std::optional<ShortDecimal> shortestOfLength(float magnitude, int digits) {
    const ShortDecimal candidate = nearest(magnitude, digits);
    if (readsBackAs(candidate, magnitude)) {
        return candidate;
    }
    const bool above = std::strtod(text(candidate).c_str(), nullptr) > static_cast<double>(magnitude);
    const ShortDecimal other = next(candidate, !above);
    if (readsBackAs(other, magnitude)) {
        return other;
    }
    return std::nullopt;
}

// A number given by its significant digits and the power of ten of the
// first, as std::to_chars lays it out: in plain notation unless scientific
// notation is shorter, a whole number with all of its digits.
std::string laidOut(const std::string& digits, int exponent, float magnitude) {
    const int count = static_cast<int>(digits.size());
    std::string scientific = digits.substr(0, 1);
    if (count > 1) {
        scientific += '.' + digits.substr(1);
    }
    std::array<char, 16> power{};
    std::snprintf(power.data(), power.size(), "e%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    scientific += power.data();

    const bool whole = exponent >= count - 1;
    const int plainLength = whole ? exponent + 1 : exponent >= 0 ? count + 1 : count + 1 - exponent;
    if (plainLength > static_cast<int>(scientific.size())) {
        return scientific;
    }
    if (whole) {
        // The closest plain text has the single's own digits, all exact.
        std::array<char, 48> text{};
        std::snprintf(text.data(), text.size(), "%.0f", static_cast<double>(magnitude));
        return text.data();
    }
    if (exponent >= 0) {
        const auto pointAt = static_cast<std::size_t>(exponent) + 1;
        return digits.substr(0, pointAt) + '.' + digits.substr(pointAt);
    }
    return "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
}

}  // namespace

DecimalReading readDecimal(std::string_view text) {
    if (!isPlainDecimal(text)) {
        return {};
    }
#if KESTREL_STANDARD_FLOAT_CHARCONV
    return readDecimalStandard(text);
#else
    return readDecimalPortable(text);
#endif
}

std::string shortestText(float value) {
#if KESTREL_STANDARD_FLOAT_CHARCONV
    return shortestTextStandard(value);
#else
    return shortestTextPortable(value);
#endif
}

// strtod rounds correctly, as from_chars does; from_chars reports a result
// that is infinite, or zero from digits that are not all zero, as out of
// range, and gives a subnormal result as read.
DecimalReading readDecimalPortable(std::string_view text) {
    const std::string terminated(text);
    double value = 0;
    {
        const CLocaleNumbers cLocale;
        value = std::strtod(terminated.c_str(), nullptr);
    }
    if (std::isinf(value) || (value == 0 && hasNonZeroDigit(text))) {
        return {0, DecimalStatus::OutOfRange};
    }
    return {value, DecimalStatus::Read};
}

// The fewest digits that read back as the single, the closest such decimal
// (nine digits always do), laid out as to_chars lays it out.
std::string shortestTextPortable(float value) {
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isnan(value)) {
        return sign + "nan";
    }
    if (std::isinf(value)) {
        return sign + "inf";
    }
    if (value == 0) {
        return sign + "0";
    }
    const float magnitude = std::fabs(value);
    const CLocaleNumbers cLocale;
    std::optional<ShortDecimal> shortest;
    for (int digits = 1; !shortest; ++digits) {
        shortest = shortestOfLength(magnitude, digits);
    }
    std::string significant = std::to_string(shortest->significand);
    significant.erase(significant.find_last_not_of('0') + 1);
    return sign + laidOut(significant, shortest->exponent, magnitude);
}

#if KESTREL_STANDARD_FLOAT_CHARCONV
DecimalReading readDecimalStandard(std::string_view text) {
    double value = 0;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        return {0, DecimalStatus::OutOfRange};
    }
    if (error != std::errc() || end != last) {
        return {};
    }
    return {value, DecimalStatus::Read};
}

std::string shortestTextStandard(float value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
}
#endif

}  // namespace kestrel
