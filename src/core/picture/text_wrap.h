#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/picture/canvas.h"

// Breaking a text into the lines of its box, once for every surface: the
// surface only says how wide a piece of text is.
namespace kestrel::picture {

using TextWidth = std::function<double(std::string_view text)>;

// `text` broken into lines no wider than `width` (as `measure` gives
// widths), joined by line breaks. A line breaks at a space (which hangs
// past the edge and is dropped) or between two phrases of Japanese: after
// punctuation, before opening punctuation, and after hiragana (a particle
// or a word's ending) where the next word begins, never inside a run of
// kanji or of katakana, never before closing punctuation or after opening
// punctuation. A phrase of Japanese wider than a whole line is broken
// between its characters; any other piece that wide stands on a line of
// its own.
std::string wrapText(std::string_view text, double width, const TextWidth& measure);

// The pieces between which wrapText may break `text`, each with the spaces
// after it, for a surface that lays out a text of its own.
std::vector<std::string> phrases(std::string_view text);

// Draws `text` in `box` from its top left, broken into its lines.
void drawWrapped(Canvas& canvas, const design::TwipsRect& box, std::string_view text,
                 const design::Font& font);

}  // namespace kestrel::picture
