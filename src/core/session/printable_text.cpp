#include "core/session/printable_text.h"

#include <array>
#include <cstdio>

#include "core/dump/utf8_character.h"

namespace kestrel::script {
namespace {

constexpr char32_t kSpace = 0x20;
constexpr char32_t kDelete = 0x7F;
constexpr char32_t kLastC1Control = 0x9F;

// Characters that reorder or break the text around them: the Arabic letter
// mark, the left-to-right and right-to-left marks, the line and paragraph
// separators, the embeddings and overrides, and the isolates.
constexpr std::array<std::pair<char32_t, char32_t>, 4> kLayoutControls{{
    {0x061C, 0x061C},
    {0x200E, 0x200F},
    {0x2028, 0x202E},
    {0x2066, 0x2069},
}};

bool showsAsItself(char32_t c) {
    if (c < kSpace || (c >= kDelete && c <= kLastC1Control)) {
        return false;
    }
    for (const auto& [first, last] : kLayoutControls) {
        if (c >= first && c <= last) {
            return false;
        }
    }
    return true;
}

// What printable() writes for the character at text[at], and how many bytes
// of text that covers.
std::string shownAt(std::string_view text, std::size_t at, std::size_t& covered) {
    const Utf8Character character = utf8CharacterAt(text, at);
    if (character.length > 0 && showsAsItself(character.codePoint)) {
        covered = character.length;
        return character.codePoint == '\\' ? std::string("\\\\") : std::string(text.substr(at, covered));
    }
    covered = character.length > 0 ? character.length : 1;
    std::string escapes;
    for (const char byte : text.substr(at, covered)) {
        std::array<char, sizeof "\\xff"> escape{};
        std::snprintf(escape.data(), escape.size(), "\\x%02x",
                      static_cast<unsigned int>(static_cast<unsigned char>(byte)));
        escapes += escape.data();
    }
    return escapes;
}

// How many characters a terminal shows for `shown`: its UTF-8 lead bytes.
std::size_t shownLength(std::string_view shown) {
    std::size_t characters = 0;
    for (const char byte : shown) {
        characters += (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U ? 1 : 0;
    }
    return characters;
}

}  // namespace

std::string printable(std::string_view text) {
    std::string shown;
    for (std::size_t at = 0, covered = 0; at < text.size(); at += covered) {
        shown += shownAt(text, at, covered);
    }
    return shown;
}

bool printsAsItself(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Character character = utf8CharacterAt(text, at);
        if (character.length == 0 || !showsAsItself(character.codePoint)) {
            return false;
        }
        at += character.length;
    }
    return true;
}

std::string quotedText(std::string_view text) {
    std::string shown = "\"";
    std::size_t characters = 0;
    for (std::size_t at = 0, covered = 0; at < text.size(); at += covered) {
        const std::string next = shownAt(text, at, covered);
        characters += shownLength(next);
        if (characters > kMostQuotedCharacters) {
            shown += "...\" (";
            shown += std::to_string(text.size());
            shown += " bytes)";
            return shown;
        }
        shown += next;
    }
    shown += '"';
    return shown;
}

}  // namespace kestrel::script
