#include "core/host/actions.h"

#include <algorithm>

namespace kestrel::host {

const ActionDesign& actionDesign(Action action) {
    return *std::find_if(kActions.begin(), kActions.end(),
                         [action](const ActionDesign& design) { return design.action == action; });
}

std::optional<Action> actionForKey(std::string_view key) {
    for (const ActionDesign& design : kActions) {
        for (const char* candidate : design.keys) {
            if (candidate != nullptr && key == candidate) {
                return design.action;
            }
        }
    }
    return std::nullopt;
}

std::optional<Action> actionNamed(std::string_view name) {
    for (const ActionDesign& design : kActions) {
        if (name == design.name) {
            return design.action;
        }
    }
    return std::nullopt;
}

}  // namespace kestrel::host
