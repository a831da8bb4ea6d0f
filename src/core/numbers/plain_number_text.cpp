#include "core/numbers/plain_number_text.h"

#include <array>
#include <utility>

namespace kestrel {
namespace {

// Blanks that may surround a number, as UTF-8.
constexpr std::array<std::string_view, 7> kBlanks{" ", "\t", "\r", "\n", "\u00a0", "\u202f", "\u3000"};

// Characters read as their ASCII forms, as UTF-8.
constexpr std::array<std::pair<std::string_view, char>, 5> kSigns{{
    {"\u2212", '-'},  // minus sign
    {"\uff0d", '-'},  // full-width hyphen-minus
    {"\uff0b", '+'},  // full-width plus sign
    {"\uff0e", '.'},  // full-width full stop
    {"\uff0c", ','},  // full-width comma
}};

// Full-width digit zero; the other nine follow it.
constexpr std::string_view kFullWidthZero = "\uff10";

bool dropBlankAtFront(std::string_view& text) {
    for (const std::string_view blank : kBlanks) {
        if (text.starts_with(blank)) {
            text.remove_prefix(blank.size());
            return true;
        }
    }
    return false;
}

bool dropBlankAtBack(std::string_view& text) {
    for (const std::string_view blank : kBlanks) {
        if (text.ends_with(blank)) {
            text.remove_suffix(blank.size());
            return true;
        }
    }
    return false;
}

// The ASCII form of the character at the start of text, and its length.
std::pair<char, std::size_t> asciiAt(std::string_view text) {
    for (const auto& [sign, ascii] : kSigns) {
        if (text.starts_with(sign)) {
            return {ascii, sign.size()};
        }
    }
    // U+FF10..U+FF19 are EF BC 90..99.
    const std::string_view prefix = kFullWidthZero.substr(0, 2);
    const auto zero = static_cast<unsigned char>(kFullWidthZero[2]);
    if (text.size() >= 3 && text.starts_with(prefix)) {
        const auto last = static_cast<unsigned char>(text[2]);
        if (last >= zero && last <= zero + 9) {
            return {static_cast<char>('0' + (last - zero)), 3};
        }
    }
    return {text.front(), 1};
}

}  // namespace

std::string plainNumberText(std::string_view text) {
    while (dropBlankAtFront(text)) {
    }
    while (dropBlankAtBack(text)) {
    }
    std::string plain;
    while (!text.empty()) {
        const auto [ascii, length] = asciiAt(text);
        plain += ascii;
        text.remove_prefix(length);
    }
    return plain;
}

}  // namespace kestrel
