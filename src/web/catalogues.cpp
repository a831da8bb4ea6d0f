#include "web/catalogues.h"

#include <map>
#include <utility>

namespace kestrel::web {

std::string translated(host::Language language, std::string_view context, std::string_view text) {
    static const auto* const index = [] {
        auto* byText = new std::map<std::pair<std::string_view, std::string_view>, const CatalogueText*>;
        for (const CatalogueText& entry : kCatalogueTexts) {
            byText->emplace(std::pair<std::string_view, std::string_view>(entry.context, entry.source),
                            &entry);
        }
        return byText;
    }();
    const auto found = index->find({context, text});
    if (language == host::Language::Design || found == index->end()) {
        return std::string(text);
    }
    return language == host::Language::English ? found->second->english : found->second->japanese;
}

}  // namespace kestrel::web
