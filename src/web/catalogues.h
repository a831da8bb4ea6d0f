#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/host/language.h"

// The desktop's English and Japanese catalogues, built into the page from
// the same translations/*.ts files.
namespace kestrel::web {

struct CatalogueText {
    const char* context;
    const char* source;
    const char* english;
    const char* japanese;
};

extern const std::vector<CatalogueText> kCatalogueTexts;

// `text` of `context` in `language`; as it is in the design, or when the
// catalogues do not have it.
std::string translated(host::Language language, std::string_view context, std::string_view text);

}  // namespace kestrel::web
