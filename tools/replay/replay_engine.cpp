#include "replay_engine.h"

#include <istream>
#include <ostream>
#include <string>
#include <variant>

#include "core/dump/form_dump.h"
#include "core/dump/json_writer.h"
#include "core/form/design.h"
#include "core/numbers/run_time_error.h"
#include "core/picture/svg_canvas.h"
#include "core/session/printable_text.h"
#include "core/session/script_line.h"
#include "fault_explanation.h"
#include "whole_file.h"

namespace kestrel {
namespace {

// A UTF-8 byte-order mark, which some editors put before the first line.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

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
            complain() << script::quotedText(line_) << ": " << explainFault(error, form_, place) << '\n';
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
    return std::visit([this](const auto& parsed) { return run(parsed); }, script::parseLine(line));
}

std::optional<int> ReplayEngine::run(const script::Skip&) {
    return std::nullopt;
}

std::optional<int> ReplayEngine::run(const script::Type& type) {
    (form_.*type.box->member).Text = type.text;
    return std::nullopt;
}

std::optional<int> ReplayEngine::run(const script::Click& click) {
    const auto& button = *click.button;
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

std::optional<int> ReplayEngine::run(const script::Tick& tick) {
    const auto& timer = *tick.timer;
    for (long n = 1; n <= tick.count; ++n) {
        countTowardReadout(timer);
        if (const auto status = runEvent([&] { kestrel::tick(form_, timer); },
                                         FaultPlace{timer.name, n, ticksSinceReadout_})) {
            return status;
        }
    }
    return std::nullopt;
}

std::optional<int> ReplayEngine::run(const script::Dump&) {
    out_ << dumpForm(form_) << '\n';
    return std::nullopt;
}

std::optional<int> ReplayEngine::run(const script::Bad& bad) {
    return scriptError(bad.problem);
}

std::optional<int> ReplayEngine::run(const script::Picture& picture) {
    if (const auto problem = writeWholeFile(picture.path, picture::formSvg(form_))) {
        complain() << "cannot write " << script::printable(picture.path) << " (" << *problem
                   << "): " << script::quotedText(line_) << '\n';
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
    complain() << problem << ": " << script::quotedText(line_) << '\n';
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
