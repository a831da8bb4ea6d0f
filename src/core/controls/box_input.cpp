#include "core/controls/box_input.h"

#include <cmath>
#include <limits>
#include <string>

#include "core/numbers/run_time_error.h"
#include "core/numbers/text_number.h"

namespace kestrel {
namespace {

[[noreturn]] void raiseInput(std::string_view caption, const std::string& text, const char* pattern) {
    throw RunTimeError(ErrorKind::Input, ErrorWording{pattern, std::string(caption), text});
}

}  // namespace

double readNumber(const TextBoxItem& box, std::string_view caption) {
    const auto value = parseNumber(box.Text);
    if (!value) {
        raiseInput(caption, box.Text, KESTREL_TEXT("errors", "%1: \"%2\" is not a number."));
    }
    return *value;
}

Int16 readInt16(const TextBoxItem& box, std::string_view caption) {
    const double rounded = std::nearbyint(readNumber(box, caption));
    if (rounded < std::numeric_limits<Int16>::min() || rounded > std::numeric_limits<Int16>::max()) {
        raiseInput(caption, box.Text,
                   KESTREL_TEXT("errors", "%1: \"%2\" is outside the range -32768 to 32767."));
    }
    return static_cast<Int16>(rounded);
}

}  // namespace kestrel
