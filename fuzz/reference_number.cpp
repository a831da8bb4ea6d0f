#include "reference_number.h"

#include <locale.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

namespace kestrel::fuzz {
namespace {

// The C locale, whatever the process's current one is: its decimal point is
// ".", so the canonical text below always reads the same.
locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr)) {
        std::abort();
    }
    return locale;
}

enum class State { Leading, AfterSign, Integer, Fraction, Trailing };

}  // namespace

std::optional<double> referenceNumber(std::string_view text) {
    State state = State::Leading;
    bool negative = false;
    std::string integerDigits;
    std::string fractionDigits;

    for (const char c : text) {
        const bool blank = c == ' ' || c == '\t';
        const bool digit = c >= '0' && c <= '9';
        const bool sign = c == '+' || c == '-';
        const bool separator = c == '.' || c == ',';
        switch (state) {
            case State::Leading:
                if (blank) {
                    continue;
                }
                if (sign) {
                    negative = c == '-';
                    state = State::AfterSign;
                    continue;
                }
                [[fallthrough]];
            case State::AfterSign:
            case State::Integer:
                if (digit) {
                    integerDigits.push_back(c);
                    state = State::Integer;
                    continue;
                }
                if (separator) {
                    state = State::Fraction;
                    continue;
                }
                if (blank && state == State::Integer) {
                    state = State::Trailing;
                    continue;
                }
                return std::nullopt;
            case State::Fraction:
                if (digit) {
                    fractionDigits.push_back(c);
                    continue;
                }
                if (blank) {
                    state = State::Trailing;
                    continue;
                }
                return std::nullopt;
            case State::Trailing:
                if (blank) {
                    continue;
                }
                return std::nullopt;
        }
    }
    if (integerDigits.empty() && fractionDigits.empty()) {
        return std::nullopt;
    }

    // Only digits and one ".", never empty on either side: nothing strtod
    // could read as hexadecimal, infinity or an exponent.
    const std::string canonical = (integerDigits.empty() ? std::string("0") : integerDigits) + "." +
                                  (fractionDigits.empty() ? std::string("0") : fractionDigits);
    errno = 0;
    char* end = nullptr;
    const double magnitude = strtod_l(canonical.c_str(), &end, cLocale());
    if (end != canonical.c_str() + canonical.size()) {
        std::abort();  // the canonical text is always a whole number for strtod
    }
    if (std::isinf(magnitude)) {
        return std::nullopt;  // too large for a double
    }
    // Below the smallest normal double strtod reports ERANGE but still
    // returns the nearest value (a subnormal or zero), which is what we want.
    return negative ? -magnitude : magnitude;
}

}  // namespace kestrel::fuzz
