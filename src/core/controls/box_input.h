#pragma once

#include <string_view>

#include "core/form/form_items.h"
#include "core/numbers/numbers.h"

namespace kestrel {

// Reading an input box. A text that is not a number, or a 16-bit box whose
// number lies outside -32768..32767, is an input error naming the box by its
// caption and quoting the text.
double readNumber(const TextBoxItem& box, std::string_view caption);
Int16 readInt16(const TextBoxItem& box, std::string_view caption);

}  // namespace kestrel
