#pragma once

#include <string_view>

#include "core/form/design.h"

namespace kestrel {

inline constexpr std::size_t kBiasBox = 3;
inline constexpr std::size_t kStartButton = 0;
inline constexpr std::size_t kRestartButton = 2;
static_assert(std::string_view(design::kTextBoxes[kBiasBox].name) == "Text4");
static_assert(std::string_view(design::kButtons[kStartButton].name) == "Command1");
static_assert(std::string_view(design::kButtons[kRestartButton].name) == "Command3");

// The button whose click Enter in the bias box stands for: it applies the
// typed bias. Before the first run that is "Start", which places the
// carriers; once they move, "Restart", which sets the new barrier under them.
inline const design::ButtonDesign& biasEnterButton(const Form1& form) {
    return design::kButtons[form.Timer1.Enabled ? kRestartButton : kStartButton];
}

}  // namespace kestrel
