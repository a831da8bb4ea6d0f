#include "core/dump/utf8_character.h"

namespace kestrel {

Utf8Character utf8CharacterAt(std::string_view text, std::size_t at) {
    constexpr Utf8Character kInvalid{0, 0};
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    char32_t lowest = 0;
    if (lead < 0x80) {
        return {1, lead};
    }
    if ((lead & 0xE0U) == 0xC0U) {
        length = 2;
        lowest = 0x80;
    } else if ((lead & 0xF0U) == 0xE0U) {
        length = 3;
        lowest = 0x800;
    } else if ((lead & 0xF8U) == 0xF0U) {
        length = 4;
        lowest = 0x10000;
    } else {
        return kInvalid;
    }
    if (at + length > text.size()) {
        return kInvalid;
    }
    char32_t codePoint = lead & (0x7FU >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0U) != 0x80U) {
            return kInvalid;
        }
        codePoint = (codePoint << 6U) | (byte(at + i) & 0x3FU);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < lowest || codePoint > 0x10FFFF || surrogate) {
        return kInvalid;
    }
    return {length, codePoint};
}

}  // namespace kestrel
