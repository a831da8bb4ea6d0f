#include "core/host/set_up.h"

#include <cmath>
#include <cstdio>

#include "core/numbers/text_number.h"
#include "core/session/printable_text.h"

namespace kestrel::host {
namespace {

constexpr const char* kBiasRefused = KESTREL_TEXT("setup", "bias needs a number of volts, not %1");
constexpr const char* kFactorRefused = KESTREL_TEXT("setup", "%1 needs a positive number, not %2");

std::string numberText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

}  // namespace

std::optional<double> positiveFactor(std::string_view text) {
    const std::optional<double> value = parseNumber(text);
    if (!value || !std::isfinite(*value) || *value <= 0) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> readSetUpOption(SetUp& setUp, std::string_view name,
                                           std::optional<std::string_view> value, const Wording& wording) {
    const std::string given(value.value_or(""));
    const std::string quoted = script::quotedText(given);
    if (name == "bias") {
        if (!parseNumber(given)) {
            return texts::fillIn(wording.text("setup", kBiasRefused), {quoted});
        }
        setUp.bias = given;
    } else if (name == "start") {
        setUp.start = true;
    } else if (name == "paused") {
        setUp.paused = true;
    } else if (name == "speed" || name == "zoom") {
        const std::optional<double> factor = positiveFactor(given);
        if (!factor) {
            return texts::fillIn(wording.text("setup", kFactorRefused), {std::string(name), quoted});
        }
        (name == "speed" ? setUp.speed : setUp.zoom) = factor;
    }
    return std::nullopt;
}

SetUp currentSetUp(const Form1& form, const Status& status, double zoom) {
    SetUp setUp;
    if (parseNumber(form.Text4.Text)) {
        setUp.bias = form.Text4.Text;
    }
    setUp.start = form.Timer1.Enabled;
    setUp.paused = status.paused;
    if (status.speed != 1) {
        setUp.speed = status.speed;
    }
    if (zoom != 1) {
        setUp.zoom = zoom;
    }
    return setUp;
}

SetUpOptions setUpOptions(const SetUp& setUp) {
    SetUpOptions options;
    if (setUp.bias) {
        options.emplace_back("bias", *setUp.bias);
    }
    if (setUp.start) {
        options.emplace_back("start", std::nullopt);
    }
    if (setUp.paused) {
        options.emplace_back("paused", std::nullopt);
    }
    if (setUp.speed) {
        options.emplace_back("speed", numberText(*setUp.speed));
    }
    if (setUp.zoom) {
        options.emplace_back("zoom", numberText(*setUp.zoom));
    }
    return options;
}

}  // namespace kestrel::host
