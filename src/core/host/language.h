#pragma once

#include <optional>
#include <string_view>
#include <vector>

// The language a front-end shows: as designed (its captions mixed English
// and Japanese), or wholly English or wholly Japanese from the catalogues.
// The desktop and the page choose it alike.
namespace kestrel::host {

enum class Language { Design, English, Japanese };

// "en", "ja" or "design", in any case.
std::optional<Language> languageNamed(std::string_view name);

// The first of the user's languages, in their order of preference (tags
// such as "ja-JP", "en_GB.UTF-8"), that the program has; the design when it
// has none of them.
Language preferredLanguage(const std::vector<std::string_view>& tags);

// The catalogues' code: "en" or "ja"; the design has none.
const char* catalogueCode(Language language);

}  // namespace kestrel::host
