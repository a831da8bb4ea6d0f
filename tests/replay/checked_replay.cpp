#include "checked_replay.h"

#include <cmath>

#include "core/dump/form_dump.h"
#include "core/numbers/text_number.h"
#include "core/session/script_line.h"

namespace kestrel {
namespace {

constexpr float kLowestHoleTop = 4500;
constexpr double kLeastLevelGap = 0.12;  // eV, n side above p side
constexpr double kMostLevelGap = 0.8;

std::string brokenFor(const char* kind, Int16 count, const DotArray& dots, DotItem design, bool electrons,
                      const Form1& form) {
    if (count < 0 || count > kMostCarriers) {
        return std::string(kind) + " count " + std::to_string(count);
    }
    for (int n = 0; n <= kMostCarriers; ++n) {
        const DotItem& dot = dots(n);
        const char* problem =
            n == 0      ? (dot == design ? nullptr : "moved from its design place")
            : n > count ? (dot.Top == kParkedTop ? nullptr : "above the count is not parked")
            : dot.Left < form.XMin || dot.Left > form.XMax         ? "off the crystal"
            : (electrons ? dot.Top < 0 : dot.Top > kLowestHoleTop) ? "outside the window's limit"
                                                                   : nullptr;
        if (problem != nullptr) {
            return std::string(kind) + " slot " + std::to_string(n) + " " + problem;
        }
    }
    return {};
}

std::string brokenInvariant(const Form1& form) {
    const std::string broken =
        brokenFor("electron", form.ElectronCount, form.Shape1, kElectronDesignPlace, true, form);
    return broken.empty() ? brokenFor("hole", form.HoleCount, form.Shape2, kHoleDesignPlace, false, form)
                          : broken;
}

// Whether "Start" and "Restart" must refuse the boxes' texts.
bool refused(const Form1& form) {
    const std::optional<double> kelvin = parseNumber(form.Text1.Text);
    return !kelvin || std::nearbyint(*kelvin) < -32768 || std::nearbyint(*kelvin) > 32767 ||
           !parseNumber(form.Text2.Text) || !parseNumber(form.Text3.Text) || !parseNumber(form.Text4.Text);
}

bool oneErrorObject(const std::string& out, std::string_view end) {
    return out.starts_with("{\"error\":\"") && out.ends_with(end) && out.find('\n') == out.size() - 1;
}

std::string taken(std::ostringstream& stream) {
    std::string text = stream.str();
    stream.str("");
    return text;
}

}  // namespace

std::string CheckedReplay::run(std::string_view raw, int lineNumber) {
    script_.append(raw) += '\n';
    const std::string_view line = script::asWritten(raw, lineNumber);
    if (line.starts_with("picture")) {
        return {};  // random scripts write no files
    }
    const Form1& form = engine_.form();
    const bool pressed = line == "click Command1" || line == "click Command3";
    const bool refuse = pressed && refused(form);
    const std::string before = refuse ? dumpForm(form) : std::string();

    status_ = engine_.runLine(raw, lineNumber);
    const std::string out = taken(out_);
    const std::string err = taken(err_);
    // A fatal error or a refused line is explained on standard error.
    const std::string where = "kestrel-replay: line " + std::to_string(lineNumber) + ": ";
    const bool promised =
        !status_ ? err.empty() && (refuse ? oneErrorObject(out, "\",\"kind\":\"input\",\"fatal\":false}\n") &&
                                                dumpForm(form) == before
                                   : line == "dump" ? out.starts_with("{\"ElectronCount\":")
                                                    : out.empty())
        : *status_ == 0 ? line == "click Command2" && out == "{\"end\":true}\n" && err.empty()
        : *status_ == 1 ? !refuse && oneErrorObject(out, "\",\"fatal\":true}\n") && err.starts_with(where)
                        : *status_ == 2 && out.empty() && err.starts_with(where);
    if (!promised) {
        return std::string(line) + ": status " + (status_ ? std::to_string(*status_) : "none") + ", wrote " +
               out + err;
    }
    if (pressed && !status_ && !refuse) {
        const double gap = *parseNumber(form.Text2.Text) - *parseNumber(form.Text3.Text);
        invariantsHold_ =
            gap >= kLeastLevelGap && gap <= kMostLevelGap && (invariantsHold_ || line == "click Command1");
    }
    if (form.Timer1.Enabled && invariantsHold_ && status_.value_or(0) == 0) {
        if (std::string broken = brokenInvariant(form); !broken.empty()) {
            return std::string(line) + ": carrier invariant broken: " + broken;
        }
    }
    return {};
}

}  // namespace kestrel
