#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/host/status.h"
#include "core/host/wording.h"

// A set-up a lesson starts from, by the same names and values wherever it
// is given: the desktop's command line (--bias 0.3 --start) and the page's
// address (?bias=0.3&start). A teacher prepares one, or copies the set-up
// of the run in front of the class to hand it on.
namespace kestrel::host {

struct SetUp {
    std::optional<std::string> bias;  // typed into the bias box
    bool start = false;               // "Start" clicked once the form is up
    bool paused = false;
    std::optional<double> speed;  // the nearest of the speeds
    std::optional<double> zoom;   // the nearest of the zoom steps
};

// The set-up's options in their order, each a name and its value (none for
// a switch): bias, start, paused, speed, zoom.
using SetUpOptions = std::vector<std::pair<std::string, std::optional<std::string>>>;

// Reads one option into `setUp`; answers the problem, worded in the
// language, when its value is refused. An option it does not know is
// left alone (an address carries others), and so is the language.
std::optional<std::string> readSetUpOption(SetUp& setUp, std::string_view name,
                                           std::optional<std::string_view> value, const Wording& wording);

// A speed or zoom factor: a positive number.
std::optional<double> positiveFactor(std::string_view text);

// The set-up of the run as it stands: the bias the box holds, "Start" when
// the run has started, its pause and speed, and the front-end's zoom.
SetUp currentSetUp(const Form1& form, const Status& status, double zoom);
SetUpOptions setUpOptions(const SetUp& setUp);

}  // namespace kestrel::host
