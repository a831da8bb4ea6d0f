#include "core/dump/display_width.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/dump/utf8_character.h"

namespace kestrel {
namespace {

// The wide and full-width ranges of the Unicode East Asian Width property,
// in order.
constexpr std::array<std::pair<char32_t, char32_t>, 14> kWideRanges{{
    {0x1100, 0x115F},    // Hangul Jamo initials
    {0x2E80, 0x303E},    // CJK radicals, punctuation and the ideographic space
    {0x3041, 0x33FF},    // kana and CJK compatibility
    {0x3400, 0x4DBF},    // CJK extension A
    {0x4E00, 0x9FFF},    // CJK unified ideographs
    {0xA000, 0xA4CF},    // Yi
    {0xAC00, 0xD7A3},    // Hangul syllables
    {0xF900, 0xFAFF},    // CJK compatibility ideographs
    {0xFE30, 0xFE4F},    // CJK compatibility forms
    {0xFF00, 0xFF60},    // full-width forms
    {0xFFE0, 0xFFE6},    // full-width signs
    {0x1F300, 0x1F64F},  // pictographs and emoticons
    {0x1F900, 0x1F9FF},  // more pictographs
    {0x20000, 0x3FFFD},  // CJK extensions B and beyond
}};

bool isWide(char32_t code) {
    const auto range = std::upper_bound(kWideRanges.begin(), kWideRanges.end(), code,
                                        [](char32_t c, const auto& wide) { return c < wide.first; });
    return range != kWideRanges.begin() && code <= std::prev(range)->second;
}

}  // namespace

int displayWidth(std::string_view text) {
    int columns = 0;
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Character character = utf8CharacterAt(text, at);
        columns += character.length != 0 && isWide(character.codePoint) ? 2 : 1;
        at += std::max<std::size_t>(character.length, 1);
    }
    return columns;
}

}  // namespace kestrel
