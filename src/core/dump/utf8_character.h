#pragma once

#include <cstddef>
#include <string_view>

// Reading UTF-8 one character at a time, for texts that came from outside
// (a script, a box, a command line) and may hold any bytes.
namespace kestrel {

struct Utf8Character {
    std::size_t length;  // its bytes; 0 when the bytes are not a valid character
    char32_t codePoint;
};

// The character that starts at text[at]. A stray continuation byte, a
// sequence cut short, an overlong form, a surrogate or a code point past
// U+10FFFF is not valid: its length is 0.
Utf8Character utf8CharacterAt(std::string_view text, std::size_t at);

}  // namespace kestrel
