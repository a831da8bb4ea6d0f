// parseNumber against the reference reading of the documented syntax
// (reference_number.h): both must accept the same texts and give the same
// double, bit for bit, the sign of zero included. Any difference aborts with
// the text and both answers.
//
// Every input is checked as it is. Inputs of 10 bytes or more are also read
// as a recipe for a number near a rounding boundary, which random bytes
// almost never spell: a double (8 bytes) and the exact decimal of the point
// halfway to the next double up, that point cut short, nudged up or down in
// its last digit, or the double's own exact decimal, with a sign, a comma or
// blanks around it as further bytes say. (The conversion under test runs in
// the C++ library, where the fuzzer sees no coverage, so it needs the help.)

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "core/numbers/text_number.h"
#include "reference_number.h"

namespace {

std::uint64_t bitsOf(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

std::string describe(const std::optional<double>& value) {
    if (!value) {
        return "not a number";
    }
    char text[96];
    std::snprintf(text, sizeof text, "%a (%.17g, bits %016llx)", *value, *value,
                  static_cast<unsigned long long>(bitsOf(*value)));
    return text;
}

// The text with every byte outside printable ASCII escaped, cut short when
// long.
std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (std::size_t n = 0; n < text.size(); ++n) {
        if (n == 200) {
            out += "\"... (" + std::to_string(text.size()) + " bytes)";
            return out;
        }
        const auto c = static_cast<unsigned char>(text[n]);
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
            out.push_back(static_cast<char>(c));
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            out += escaped;
        }
    }
    return out + "\"";
}

// Adds one to the decimal digits of TEXT ending at its last digit, carrying
// over the separator; a carry out of the first digit prepends a "1".
void incrementLastDigit(std::string& text) {
    for (std::size_t n = text.size(); n-- > 0;) {
        if (text[n] == '.') {
            continue;
        }
        if (text[n] != '9') {
            ++text[n];
            return;
        }
        text[n] = '0';
    }
    text.insert(text.begin(), '1');
}

// Subtracts one from the last digit of TEXT, which is not all zeros.
void decrementLastDigit(std::string& text) {
    for (std::size_t n = text.size(); n-- > 0;) {
        if (text[n] == '.') {
            continue;
        }
        if (text[n] != '0') {
            --text[n];
            return;
        }
        text[n] = '9';
    }
}

std::string nearBoundary(const std::uint8_t* data, std::size_t size) {
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    value = std::fabs(value);
    if (!std::isfinite(value)) {
        value = DBL_MAX;
    }
    const std::uint8_t recipe = data[8];
    const std::uint8_t cut = data[9];
    // Halfway between the double and the next one up (2^1024 past the
    // largest) is exact in long double, as is its decimal expansion below.
    const long double up = value == DBL_MAX ? std::ldexp(1.0L, 1024) : std::nextafter(value, HUGE_VAL);
    const long double target = (recipe & 7) == 0 ? static_cast<long double>(value) : (value + up) / 2;
    char digits[1600];
    std::snprintf(digits, sizeof digits, "%.1100Lf", target);
    std::string text = digits;
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    switch (recipe & 7) {
        case 2:  // just above halfway
            text += std::string(text.find('.') == std::string::npos ? "." : "") + std::string(cut, '0') + "1";
            break;
        case 3: {  // cut short: just below halfway, unless only zeros went
            const std::size_t first = text.find_first_of("123456789");
            const std::size_t keep = first + 1 + cut % 40 + (cut >= 200 ? 700 : 0);
            if (keep < text.size()) {
                text.resize(keep);
            }
            break;
        }
        case 4:  // one unit less in the last digit
            decrementLastDigit(text);
            break;
        case 5:  // one unit more in the last digit
            incrementLastDigit(text);
            break;
        default:  // 0: the double itself; 1, 6, 7: exactly halfway
            break;
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    if ((recipe & 0x08) != 0 && text.find('.') != std::string::npos) {
        text[text.find('.')] = ',';
    }
    if ((recipe & 0x10) != 0 && text.starts_with("0")) {
        text.erase(0, 1);  // ".5" rather than "0.5"
    }
    if ((recipe & 0x20) != 0) {
        text.insert(0, "000");
    }
    if ((recipe & 0x40) != 0) {
        text.insert(0, (recipe & 0x80) != 0 ? "-" : "+");
    }
    if (size > 10 && (data[10] & 1) != 0) {
        text = " \t" + text + "\t ";
    }
    return text;
}

void compare(std::string_view text) {
    const std::optional<double> parsed = kestrel::parseNumber(text);
    const std::optional<double> expected = kestrel::fuzz::referenceNumber(text);
    const bool agree =
        parsed.has_value() == expected.has_value() && (!parsed || bitsOf(*parsed) == bitsOf(*expected));
    if (!agree) {
        std::fprintf(stderr, "text_number_fuzz: parseNumber(%s)\n  gave     %s\n  expected %s\n",
                     quoted(text).c_str(), describe(parsed).c_str(), describe(expected).c_str());
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    compare(std::string_view(reinterpret_cast<const char*>(data), size));
    if (size >= 10) {
        compare(nearBoundary(data, size));
    }
    return 0;
}
