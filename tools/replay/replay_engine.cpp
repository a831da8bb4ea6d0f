#include "replay_engine.h"

#include <istream>
#include <ostream>
#include <string>
#include <variant>

#include "core/dump/form_dump.h"
#include "core/dump/json_writer.h"
#include "core/host/limits.h"
#include "core/picture/svg_canvas.h"
#include "core/session/printable_text.h"
#include "fault_explanation.h"
#include "whole_file.h"

namespace kestrel {
namespace {

std::string errorLine(const RunTimeError& error) {
    JsonWriter json;
    json.beginObject();
    json.key("error").value(std::string_view(error.what()));
    json.key("kind").value(std::string_view(kindName(error.kind())));
    json.key("fatal").value(error.fatal());
    json.endObject();
    return json.text();
}

// The button or timer a line's event went to.
std::string_view eventName(const script::Line& line) {
    if (const auto* click = std::get_if<script::Click>(&line)) {
        return click->button->name;
    }
    if (const auto* tick = std::get_if<script::Tick>(&line)) {
        return tick->timer->name;
    }
    return {};
}

}  // namespace

ReplayEngine::ReplayEngine(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

std::optional<int> ReplayEngine::runLine(std::string_view line, int lineNumber) {
    line_ = script::asWritten(line, lineNumber);
    lineNumber_ = lineNumber;
    const host::LineOutcome outcome = host_.runLine(line);
    if (!outcome.refused.empty()) {
        complain() << outcome.refused << ": " << script::quotedText(line_) << '\n';
        return 2;
    }
    if (outcome.error) {
        out_ << errorLine(*outcome.error) << '\n';
    }
    if (outcome.fatal()) {
        const FaultPlace place{eventName(outcome.line), outcome.ticksRun, host_.stepsSinceReadout()};
        complain() << script::quotedText(line_) << ": " << explainFault(*outcome.error, host_.form(), place)
                   << '\n';
        return 1;
    }
    if (outcome.ended) {
        out_ << "{\"end\":true}\n";
        return 0;
    }
    if (std::holds_alternative<script::Dump>(outcome.line)) {
        out_ << dumpForm(host_.form()) << '\n';
    } else if (const auto* picture = std::get_if<script::Picture>(&outcome.line)) {
        return writePicture(picture->path);
    }
    return std::nullopt;
}

std::optional<int> ReplayEngine::writePicture(const std::string& path) {
    if (const auto problem = writeWholeFile(path, picture::formSvg(host_.form()))) {
        complain() << "cannot write " << script::printable(path) << " (" << *problem
                   << "): " << script::quotedText(line_) << '\n';
        return 2;
    }
    return std::nullopt;
}

std::ostream& ReplayEngine::complain() {
    return err_ << "kestrel-replay: line " << lineNumber_ << ": ";
}

// Reads one line, but no more of it than one byte past the longest a
// script may have, so input without line ends (a device) cannot use up the
// memory: the host refuses a line that long.
bool readLine(std::istream& in, std::string& line) {
    line.clear();
    for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) {
        if (c == '\n') {
            return true;
        }
        line += static_cast<char>(c);
        if (line.size() > host::kMostLineBytes) {
            return true;
        }
    }
    return !line.empty();
}

int replayScript(std::istream& in, std::ostream& out, std::ostream& err) {
    ReplayEngine engine(out, err);
    std::string line;
    for (int lineNumber = 1; readLine(in, line); ++lineNumber) {
        if (const auto status = engine.runLine(line, lineNumber)) {
            out.flush();
            return *status;
        }
    }
    out.flush();
    return 0;
}

}  // namespace kestrel
