#include "replay_engine.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <istream>
#include <ostream>
#include <string>

#include "core/dump/form_dump.h"
#include "core/dump/json_writer.h"
#include "core/form/design.h"
#include "core/numbers/run_time_error.h"
#include "core/picture/svg_canvas.h"
#include "fault_explanation.h"

namespace kestrel {
namespace {

// A UTF-8 byte-order mark, which some editors put before the first line.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Splits off the first word; rest is what follows the single space after it.
std::string_view firstWord(std::string_view text, std::string_view& rest) {
    const auto space = text.find(' ');
    if (space == std::string_view::npos) {
        rest = {};
        return text;
    }
    rest = text.substr(space + 1);
    return text.substr(0, space);
}

bool isBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

std::optional<long> parseTickCount(std::string_view text) {
    long count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || count < 0) {
        return std::nullopt;
    }
    return count;
}

std::string errorLine(const RunTimeError& error) {
    JsonWriter json;
    json.beginObject();
    json.key("error").value(std::string_view(error.what()));
    json.key("kind").value(std::string_view(kindName(error.kind())));
    json.key("fatal").value(error.fatal());
    json.endObject();
    return json.text();
}

}  // namespace

ReplayEngine::ReplayEngine(std::ostream& out, std::ostream& err) : out_(out), err_(err) {
    form_.Form_Load();
}

template <typename Event>
std::optional<int> ReplayEngine::runEvent(Event&& event, const FaultPlace& place) {
    refused_ = false;
    try {
        event();
    } catch (const RunTimeError& error) {
        out_ << errorLine(error) << '\n';
        refused_ = !error.fatal();
        if (error.fatal()) {
            complain() << '"' << line_ << "\": " << explainFault(error, form_, place) << '\n';
            return 1;
        }
    }
    return std::nullopt;
}

std::optional<int> ReplayEngine::runLine(std::string_view line, int lineNumber) {
    if (lineNumber == 1 && line.starts_with(kByteOrderMark)) {
        line.remove_prefix(kByteOrderMark.size());
    }
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    line_ = line;
    lineNumber_ = lineNumber;
    if (isBlankLine(line) || line.front() == '#') {
        return std::nullopt;
    }
    std::string_view rest;
    const std::string_view command = firstWord(line, rest);
    if (command == "type") {
        return type(rest);
    }
    if (command == "click") {
        return click(rest);
    }
    if (command == "tick") {
        return tickTimer(rest);
    }
    if (command == "picture") {
        return writePicture(rest);
    }
    if (command == "dump" && line == "dump") {
        out_ << dumpForm(form_) << '\n';
        return std::nullopt;
    }
    return scriptError("not a command");
}

std::optional<int> ReplayEngine::type(std::string_view rest) {
    std::string_view text;
    const std::string_view box = firstWord(rest, text);
    for (const auto& named : design::kTextBoxes) {
        if (box == named.name) {
            (form_.*named.member).Text = std::string(text);
            return std::nullopt;
        }
    }
    return scriptError("type needs a box Text1 to Text7");
}

std::optional<int> ReplayEngine::click(std::string_view rest) {
    for (const auto& button : design::kButtons) {
        if (rest == button.name) {
            if (const auto status = runEvent([&] { (form_.*button.click)(); }, FaultPlace{button.name})) {
                return status;
            }
            if (form_.ended()) {
                out_ << "{\"end\":true}\n";
                return 0;
            }
            if (!refused_) {
                ticksSinceReadout_ = 0;  // the set-up of Start or Restart clears CrossCount
            }
            return std::nullopt;
        }
    }
    return scriptError("click needs a button Command1 to Command3");
}

std::optional<int> ReplayEngine::tickTimer(std::string_view rest) {
    std::string_view countText;
    const std::string_view timer = firstWord(rest, countText);
    const bool countGiven = rest.find(' ') != std::string_view::npos;
    const auto count = countGiven ? parseTickCount(countText) : std::optional<long>(1);
    if (!count) {
        return scriptError("tick count must be a whole number");
    }
    for (const auto& event : design::kTimers) {
        if (timer == event.name) {
            for (long n = 1; n <= *count; ++n) {
                countTowardReadout(event);
                if (const auto status = runEvent([&] { tick(form_, event); },
                                                 FaultPlace{event.name, n, ticksSinceReadout_})) {
                    return status;
                }
            }
            return std::nullopt;
        }
    }
    return scriptError("tick needs a timer Timer1 to Timer4");
}

std::optional<int> ReplayEngine::writePicture(std::string_view path) {
    if (path.empty()) {
        return scriptError("picture needs a file name");
    }
    std::ofstream file(std::string(path), std::ios::binary);
    file << picture::formSvg(form_);
    file.close();
    if (!file) {
        complain() << "cannot write " << path << " (" << std::strerror(errno) << "): \"" << line_ << "\"\n";
        return 2;
    }
    return std::nullopt;
}

void ReplayEngine::countTowardReadout(const design::TimerDesign& event) {
    if (!(form_.*event.member).Enabled) {
        return;
    }
    if (event.tick == &Form1::Timer1_Timer) {
        ++ticksSinceReadout_;  // a step may move CrossCount
    } else if (event.tick == &Form1::Timer2_Timer) {
        ticksSinceReadout_ = 0;  // the readout clears it
    }
}

std::ostream& ReplayEngine::complain() {
    return err_ << "kestrel-replay: line " << lineNumber_ << ": ";
}

std::optional<int> ReplayEngine::scriptError(std::string_view problem) {
    complain() << problem << ": \"" << line_ << "\"\n";
    return 2;
}

int replayScript(std::istream& in, std::ostream& out, std::ostream& err) {
    ReplayEngine engine(out, err);
    std::string line;
    for (int lineNumber = 1; std::getline(in, line); ++lineNumber) {
        if (const auto status = engine.runLine(line, lineNumber)) {
            out.flush();
            return *status;
        }
    }
    out.flush();
    return 0;
}

}  // namespace kestrel
