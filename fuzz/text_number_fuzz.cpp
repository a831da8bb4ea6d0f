// parseNumber against an independent reading of the syntax documented in
// src/core/numbers/text_number.h, character by character with the value from strtod
// in the C locale: both must accept the same texts and give the same double,
// bit for bit. Inputs of 10 bytes or more also spell a number next to a
// rounding boundary, which random bytes almost never do: a double (8 bytes),
// then its exact decimal or the one halfway to the next double, cut short or
// nudged above, with a comma or a sign as the next bytes say.

#include <locale.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/numbers/text_number.h"

namespace {

// Characters written another way in a box that read as ASCII ones: blanks
// (as a space), the minus sign, full-width signs, separators and digits.
constexpr std::pair<std::string_view, char> kOtherForms[] = {
    {"\u00a0", ' '}, {"\u202f", ' '}, {"\u3000", ' '}, {"\u2212", '-'}, {"\uff0d", '-'}, {"\uff0b", '+'},
    {"\uff0e", '.'}, {"\uff0c", ','}, {"\uff10", '0'}, {"\uff11", '1'}, {"\uff12", '2'}, {"\uff13", '3'},
    {"\uff14", '4'}, {"\uff15", '5'}, {"\uff16", '6'}, {"\uff17", '7'}, {"\uff18", '8'}, {"\uff19", '9'}};

// The text one character at a time, each as the ASCII character it reads as;
// tabs and line breaks read as blanks.
std::string asRead(std::string_view text) {
    std::string read;
    while (!text.empty()) {
        char meaning = text.front();
        std::size_t length = 1;
        for (const auto& [form, ascii] : kOtherForms) {
            if (text.starts_with(form)) {
                meaning = ascii;
                length = form.size();
            }
        }
        read += meaning == '\t' || meaning == '\r' || meaning == '\n' ? ' ' : meaning;
        text.remove_prefix(length);
    }
    return read;
}

// blanks* sign? digits* (separator digits*)? blanks*, with at least one
// digit; blanks are spaces, tabs, line breaks, no-break and ideographic
// spaces, a separator "." or ",". The value is the nearest double, and a
// number whose nearest double is infinite is none.
std::optional<double> referenceNumber(std::string_view boxText) {
    const std::string read = asRead(boxText);
    const std::string_view text = read;
    const auto isBlank = [](char c) { return c == ' '; };
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t n = 0;
    const auto take = [&](auto accepted) {
        const std::size_t from = n;
        while (n < text.size() && accepted(text[n])) {
            ++n;
        }
        return std::string(text.substr(from, n - from));
    };
    take(isBlank);
    const bool negative = n < text.size() && text[n] == '-';
    n += n < text.size() && (text[n] == '-' || text[n] == '+') ? 1 : 0;
    const std::string integer = take(isDigit);
    std::string fraction;
    if (n < text.size() && (text[n] == '.' || text[n] == ',')) {
        ++n;
        fraction = take(isDigit);
    }
    take(isBlank);
    if (n != text.size() || (integer.empty() && fraction.empty())) {
        return std::nullopt;
    }
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const double magnitude = strtod_l(("0" + integer + "." + fraction + "0").c_str(), nullptr, cLocale);
    if (std::isinf(magnitude)) {
        return std::nullopt;
    }
    return negative ? -magnitude : magnitude;
}

std::string nearBoundary(const std::uint8_t* data) {
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    value = std::isfinite(value) ? std::fabs(value) : DBL_MAX;
    const std::uint8_t recipe = data[8];
    // Halfway to the next double up (2^1024 past the largest) and its decimal
    // expansion are exact in long double.
    const long double up = value == DBL_MAX ? std::ldexp(1.0L, 1024) : std::nextafter(value, INFINITY);
    char digits[1600];
    std::snprintf(digits, sizeof digits, "%.1100Lf", (recipe & 1) != 0 ? (value + up) / 2 : value + 0.0L);
    std::string text = digits;
    text.erase(text.find_last_not_of('0') + 1);
    if ((recipe & 2) != 0) {
        text += "0001";  // just above
    } else if ((recipe & 4) != 0 && text.size() > 2) {
        text.resize(text.size() - 1 - data[9] % text.size() / 2);  // cut short: below
    }
    if (const std::size_t point = text.find('.'); (recipe & 8) != 0 && point != std::string::npos) {
        text[point] = ',';
    }
    return ((recipe & 16) != 0 ? "-" : (recipe & 32) != 0 ? " +" : "") + text;
}

void compare(std::string_view text) {
    const std::optional<double> parsed = kestrel::parseNumber(text);
    const std::optional<double> expected = referenceNumber(text);
    if (parsed.has_value() != expected.has_value() ||
        (parsed && std::memcmp(&*parsed, &*expected, sizeof(double)) != 0)) {
        std::fprintf(
            stderr,
            "text_number_fuzz: parseNumber(\"%.*s\")\n  gave     %a\n  expected %a\n(nan: not a number)\n",
            static_cast<int>(text.size() < 300 ? text.size() : 300), text.data(), parsed.value_or(NAN),
            expected.value_or(NAN));
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    compare(std::string_view(reinterpret_cast<const char*>(data), size));
    if (size >= 10) {
        compare(nearBoundary(data));
    }
    return 0;
}
