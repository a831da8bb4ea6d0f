#include "core/form/texts.h"

namespace kestrel::texts {

std::string inLanguage(const Translate& translate, std::string_view context, std::string_view text) {
    return translate ? translate(context, text) : std::string(text);
}

std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool blank =
            pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9';
        const auto number = blank ? static_cast<std::size_t>(pattern[i + 1] - '1') : values.size();
        if (number < values.size()) {
            text += values.begin()[number];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace kestrel::texts
