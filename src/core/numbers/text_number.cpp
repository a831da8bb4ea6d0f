#include "core/numbers/text_number.h"

#include "core/numbers/decimal_conversion.h"

#include "core/numbers/plain_number_text.h"

namespace kestrel {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

std::optional<double> parseNumber(std::string_view boxText) {
    const std::string plain = plainNumberText(boxText);
    std::string_view text = trimBlanks(plain);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }

    // Rebuild the number in the one form readDecimal reads: digits, ".", digits.
    std::string canonical;
    bool separatorSeen = false;
    bool digitSeen = false;
    bool integerPartNonZero = false;
    for (const char c : text) {
        if (isDigit(c)) {
            digitSeen = true;
            integerPartNonZero = integerPartNonZero || (!separatorSeen && c != '0');
            canonical.push_back(c);
        } else if ((c == '.' || c == ',') && !separatorSeen) {
            separatorSeen = true;
            canonical.push_back('.');
        } else {
            return std::nullopt;
        }
    }
    if (!digitSeen) {
        return std::nullopt;
    }

    const DecimalReading reading = readDecimal(canonical);
    double magnitude = reading.value;
    if (reading.status == DecimalStatus::OutOfRange) {
        // With a non-zero integer part the number is at least 1, so it is too
        // large; otherwise it is too small to tell from zero.
        if (integerPartNonZero) {
            return std::nullopt;
        }
        magnitude = 0.0;
    } else if (reading.status != DecimalStatus::Read) {
        return std::nullopt;
    }
    return negative ? -magnitude : magnitude;
}

std::string formatCount(Int16 value) {
    return std::to_string(value);
}

}  // namespace kestrel
