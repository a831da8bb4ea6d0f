#include "core/host/script_runner.h"

#include "core/form/texts.h"
#include "core/host/limits.h"

namespace kestrel::host {
namespace {

constexpr const char* kScriptTooLong = KESTREL_TEXT("script", "the script is longer than 64 MB");
constexpr const char* kLineTooLong = KESTREL_TEXT("script", "the line is longer than 256 KB");
constexpr const char* kTooManyTicks = KESTREL_TEXT("script", "a line may tick at most 72000 times");
constexpr const char* kScriptTooBusy =
    KESTREL_TEXT("script", "the script would tick more than 360000 times in all");
constexpr const char* kTooManyReadouts =
    KESTREL_TEXT("script", "the run would hold more than 100000 readouts");

bool readsOut(const design::TimerDesign& timer) {
    return timer.tick == &Form1::Timer2_Timer;
}

}  // namespace

LineOutcome ScriptRunner::runLine(std::string_view line) {
    ++lineNumber_;
    bytes_ += line.size() + 1;
    line = script::asWritten(line, lineNumber_);
    LineOutcome outcome;
    if (line.size() > kMostLineBytes) {
        outcome.refused = kLineTooLong;
        return outcome;
    }
    outcome.line = script::parseLine(line);
    if (const auto* bad = std::get_if<script::Bad>(&outcome.line)) {
        outcome.refused = bad->problem;
    } else if (const char* limit = beyondLimit(outcome.line)) {
        outcome.refused = limit;
    } else {
        runEvent(outcome, outcome.line);
    }
    return outcome;
}

const char* ScriptRunner::beyondLimit(const script::Line& parsed) const {
    if (bytes_ > kMostScriptBytes) {
        return kScriptTooLong;
    }
    const auto* tick = std::get_if<script::Tick>(&parsed);
    if (tick == nullptr) {
        return nullptr;
    }
    if (tick->count > kMostTicksPerLine) {
        return kTooManyTicks;
    }
    if (ticks_ + tick->count > kMostTicksPerScript) {
        return kScriptTooBusy;
    }
    if (readsOut(*tick->timer) &&
        run_.session().readouts().entries().size() + static_cast<std::size_t>(tick->count) > kMostReadouts) {
        return kTooManyReadouts;
    }
    return nullptr;
}

void ScriptRunner::runEvent(LineOutcome& outcome, const script::Line& parsed) {
    session::Session& session = run_.session();
    try {
        if (const auto* type = std::get_if<script::Type>(&parsed)) {
            session.type(*type->box, type->text);
        } else if (const auto* click = std::get_if<script::Click>(&parsed)) {
            session.click(*click->button);
        } else if (const auto* tick = std::get_if<script::Tick>(&parsed)) {
            // A timer that does not run ticks no more: its ticks do nothing.
            while (outcome.ticksRun < tick->count) {
                ++outcome.ticksRun;
                if (!session.tickNow(*tick->timer)) {
                    break;
                }
            }
            ticks_ += outcome.ticksRun;
        }
    } catch (const RunTimeError& error) {
        outcome.error = error;
    }
    outcome.ended = run_.form().ended();
}

}  // namespace kestrel::host
