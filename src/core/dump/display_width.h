#pragma once

#include <string_view>

// How many columns a text takes on a terminal, for lining up the columns of
// a help text in any language.
namespace kestrel {

// The columns of `text` (UTF-8): two for each East Asian wide or full-width
// character (kanji, kana, hangul, the full-width forms), one for any other
// character, and one for each byte that is not part of a valid character.
int displayWidth(std::string_view text);

}  // namespace kestrel
