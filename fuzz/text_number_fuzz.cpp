// parseNumber against an independent reading of the syntax documented in
// src/core/numbers/text_number.h, character by character with the value from strtod
// in the C locale: both must accept the same texts and give the same double,
// bit for bit. The seeds (fuzz/corpus/text_number) hold numbers at rounding
// boundaries: ties between doubles, the largest double, the least subnormal.

#include <locale.h>

#include <algorithm>
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
    std::size_t n = 0;
    const auto take = [&](std::string_view accepted) {  // the run of accepted characters at n
        const std::size_t from = n;
        n = std::min(text.find_first_not_of(accepted, n), text.size());
        return std::string(text.substr(from, n - from));
    };
    take(" ");
    const bool negative = n < text.size() && text[n] == '-';
    n += n < text.size() && (text[n] == '-' || text[n] == '+') ? 1 : 0;
    const std::string integer = take("0123456789");
    const bool separator = n < text.size() && (text[n] == '.' || text[n] == ',');
    n += separator ? 1 : 0;
    const std::string fraction = separator ? take("0123456789") : "";
    take(" ");
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
    return 0;
}
