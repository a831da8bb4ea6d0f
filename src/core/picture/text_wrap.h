#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/picture/canvas.h"

// Breaking a text into the lines of its box, once for every surface: the
// surface only says how wide a piece of text is.
namespace kestrel::picture {

using TextWidth = std::function<double(std::string_view text)>;

// `text` broken into lines no wider than `width` (as `measure` gives
// widths), joined by line breaks. A line breaks at a space (which hangs
// past the edge and is dropped) or between two characters of Japanese
// script (never before closing punctuation or after opening punctuation);
// a piece wider than a whole line stands on a line of its own.
std::string wrapText(std::string_view text, double width, const TextWidth& measure);

// Draws `text` in `box` from its top left, broken into its lines.
void drawWrapped(Canvas& canvas, const design::TwipsRect& box, std::string_view text,
                 const design::Font& font);

}  // namespace kestrel::picture
