#include "core/session/bias_list.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <stdexcept>

#include "core/controls/bias_limits.h"
#include "core/numbers/text_number.h"
#include "core/session/printable_text.h"

namespace kestrel {
namespace {

// A number of the range, as written: its digits without the point, and how
// many of them follow it.
struct Decimal {
    bool negative = false;
    std::string digits;
    int decimals = 0;
};

// No bias needs more digits than these before or after the point; with
// them, every number of the range in units of its finest decimal stays far
// inside 64 bits.
constexpr std::size_t kMostWholeDigits = 6;
constexpr std::size_t kMostDecimals = 6;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t leadingDigits(std::string_view text) {
    std::size_t count = 0;
    while (count < text.size() && isDigit(text[count])) {
        ++count;
    }
    return count;
}

Decimal readDecimal(std::string_view text, std::string_view role) {
    Decimal number;
    const std::string_view written = text;
    if (text.starts_with('-')) {
        number.negative = true;
        text.remove_prefix(1);
    }
    const std::size_t whole = leadingDigits(text);
    number.digits = text.substr(0, whole);
    text.remove_prefix(whole);
    if (text.starts_with('.')) {
        text.remove_prefix(1);
        const std::size_t fraction = leadingDigits(text);
        number.digits += text.substr(0, fraction);
        number.decimals = static_cast<int>(fraction);
        text.remove_prefix(fraction);
        if (fraction == 0) {
            text = ".";  // a point needs digits after it
        }
    }
    if (whole == 0 || !text.empty()) {
        throw std::invalid_argument(std::string(role) + " " + script::quotedText(written) +
                                    " is not a number");
    }
    if (whole > kMostWholeDigits || static_cast<std::size_t>(number.decimals) > kMostDecimals) {
        throw std::invalid_argument(std::string(role) + " " + script::quotedText(written) +
                                    " has too many digits");
    }
    return number;
}

// The number in units of 10^-decimals.
std::int64_t inUnits(const Decimal& number, int decimals) {
    std::int64_t units = 0;
    for (const char digit : number.digits) {
        units = units * 10 + (digit - '0');
    }
    for (int extra = number.decimals; extra < decimals; ++extra) {
        units *= 10;
    }
    return number.negative ? -units : units;
}

// units × 10^-decimals with exactly `decimals` digits after the point, and
// no sign on zero.
std::string written(std::int64_t units, int decimals) {
    const auto places = static_cast<std::size_t>(decimals);
    std::string digits = std::to_string(units < 0 ? -units : units);
    if (digits.size() <= places) {
        digits = std::string(places + 1 - digits.size(), '0') + digits;  // one digit before the point
    }
    const std::size_t whole = digits.size() - places;
    std::string text = units < 0 ? "-" : "";
    text.append(digits, 0, whole);
    if (places > 0) {
        text += '.';
        text.append(digits, whole);
    }
    return text;
}

// The limit the bias box would hold `bias` at, if any: the form reads the
// box as parseNumber does and compares it with the limits the same way. A
// sweep past a limit would run every bias beyond it at the limit, and its
// rows would show the limit's current under other biases.
std::optional<std::string_view> heldAt(const std::string& bias) {
    const double volts = parseNumber(bias).value_or(0);
    if (volts < kBiasLowest) {
        return kBiasLowestText;
    }
    if (volts > kBiasHighest) {
        return kBiasHighestText;
    }
    return std::nullopt;
}

void refuseHeldBiases(const std::vector<std::string>& biases, std::string_view range) {
    const auto isHeld = [](const std::string& bias) { return heldAt(bias).has_value(); };
    const auto firstHeld = std::find_if(biases.begin(), biases.end(), isHeld);
    if (firstHeld == biases.end()) {
        return;
    }
    const auto lastHeld = std::prev(std::find_if_not(firstHeld, biases.end(), isHeld));
    std::string problem = "the sweep's biases must lie from ";
    problem += kBiasLowestText;
    problem += " to ";
    problem += kBiasHighestText;
    problem += ", the bias box's limits: ";
    problem += script::quotedText(range);
    problem += " would run ";
    problem += *firstHeld;
    if (lastHeld != firstHeld) {
        problem += " to ";
        problem += *lastHeld;
    }
    problem += lastHeld != firstHeld ? " all at " : " at ";
    problem += *heldAt(*firstHeld);
    throw std::invalid_argument(problem);
}

}  // namespace

std::vector<std::string> parseBiasList(std::string_view range) {
    const auto firstColon = range.find(':');
    const auto secondColon =
        firstColon == std::string_view::npos ? firstColon : range.find(':', firstColon + 1);
    if (secondColon == std::string_view::npos) {
        throw std::invalid_argument(std::string("the sweep needs FROM:TO:STEP, not ") +
                                    script::quotedText(range));
    }
    const Decimal from = readDecimal(range.substr(0, firstColon), "FROM");
    const Decimal to = readDecimal(range.substr(firstColon + 1, secondColon - firstColon - 1), "TO");
    const Decimal step = readDecimal(range.substr(secondColon + 1), "STEP");

    const int decimals = std::max({from.decimals, to.decimals, step.decimals});
    const std::int64_t first = inUnits(from, decimals);
    const std::int64_t last = inUnits(to, decimals);
    const std::int64_t stride = inUnits(step, decimals);
    if (stride <= 0) {
        throw std::invalid_argument("STEP must be more than 0");
    }
    if (first > last) {
        throw std::invalid_argument("FROM must not be above TO");
    }
    const std::int64_t count = (last - first) / stride + 1;
    if (count > kMostBiases) {
        throw std::invalid_argument("the sweep has " + std::to_string(count) + " biases; at most " +
                                    std::to_string(kMostBiases) + " are allowed");
    }
    std::vector<std::string> biases;
    biases.reserve(static_cast<std::size_t>(count));
    for (std::int64_t n = 0; n < count; ++n) {
        biases.push_back(written(first + n * stride, decimals));
    }
    refuseHeldBiases(biases, range);
    return biases;
}

}  // namespace kestrel
