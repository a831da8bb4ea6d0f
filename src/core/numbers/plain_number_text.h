#pragma once

#include <string>
#include <string_view>

namespace kestrel {

// A box text as the number it shows, in plain ASCII: the spaces, no-break
// spaces, ideographic spaces, tabs and line breaks around it dropped (as
// text pasted from a document brings them), and the minus sign, full-width
// digits, signs, decimal point and comma (as a Japanese input method types
// them) turned into their ASCII forms. Anything else is left as it is, so a
// text that is not a number stays one.
std::string plainNumberText(std::string_view text);

}  // namespace kestrel
