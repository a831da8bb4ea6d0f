#include "core/host/language.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace kestrel::host {
namespace {

std::string lowered(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

}  // namespace

std::optional<Language> languageNamed(std::string_view name) {
    const std::string lower = lowered(name);
    if (lower == "en") {
        return Language::English;
    }
    if (lower == "ja") {
        return Language::Japanese;
    }
    if (lower == "design") {
        return Language::Design;
    }
    return std::nullopt;
}

Language preferredLanguage(const std::vector<std::string_view>& tags) {
    for (const std::string_view tag : tags) {
        const std::string code = lowered(tag.substr(0, tag.find_first_of("-_.@")));
        if (code == "en") {
            return Language::English;
        }
        if (code == "ja") {
            return Language::Japanese;
        }
    }
    return Language::Design;
}

const char* catalogueCode(Language language) {
    switch (language) {
        case Language::English:
            return "en";
        case Language::Japanese:
            return "ja";
        case Language::Design:
            break;
    }
    return "";
}

}  // namespace kestrel::host
