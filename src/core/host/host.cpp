#include "core/host/host.h"

#include "core/controls/bias_enter.h"
#include "core/host/limits.h"
#include "core/session/printable_text.h"

namespace kestrel::host {
namespace {

constexpr const char* kClosedInRun =
    KESTREL_TEXT("script", "the run clicks \"Close\", which would end the program");
constexpr const char* kFatalInRun = KESTREL_TEXT("script", "the run ends in a run-time error: %1");

std::string_view nthLine(std::string_view text, int number) {
    for (int n = 1; n < number; ++n) {
        const auto end = text.find('\n');
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return text.substr(0, text.find('\n'));
}

}  // namespace

// A saved run on its way to replacing the class's run.
struct Host::PendingRun {
    std::string script;
    std::string source;
    std::size_t position = 0;
    std::unique_ptr<Run> run = std::make_unique<Run>();
    ScriptRunner runner{*run};
    std::optional<std::string> problem;  // why it stopped, worded
};

Host::Host(Clock clock, Wording wording)
    : clock_(std::move(clock)),
      wording_(std::move(wording)),
      run_(std::make_unique<Run>()),
      lines_(std::make_unique<ScriptRunner>(*run_)) {
    restartClock();
}

Host::~Host() = default;

// An input error has changed nothing and the run goes on; any other ends
// the program, as "Close" does.
template <typename Event>
Update Host::run(Event&& event) {
    Update update;
    if (ended_) {
        return update;
    }
    const std::size_t readouts = this->readouts().entries().size();
    try {
        catchUp();
        event();
    } catch (const RunTimeError& error) {
        if (error.fatal()) {
            ended_ = true;
            exitStatus_ = 1;
            update.message = Message{wording_.fatal(error), true};
        } else {
            update.message = Message{wording_.error(error), false};
        }
    }
    if (form().ended()) {
        ended_ = true;
    }
    update.ended = ended_;
    update.newReadout = this->readouts().entries().size() != readouts;
    return update;
}

void Host::catchUp() {
    if (clock_) {
        const double now = clock_();
        run_->session().advance(now - lastRealMs_);
        lastRealMs_ = now;
    }
}

// Time that passed while the host was busy otherwise is not the run's.
void Host::restartClock() {
    if (clock_) {
        lastRealMs_ = clock_();
    }
}

Update Host::type(const design::TextBoxDesign& box, std::string text) {
    return run([&] { run_->session().type(box, std::move(text)); });
}

Update Host::click(const design::ButtonDesign& button) {
    return run([&] { run_->session().click(button); });
}

Update Host::enter(const design::TextBoxDesign& box) {
    if (box.member != &FormItems::Text4) {
        return {};
    }
    return click(biasEnterButton(form()));
}

Update Host::applyBias(std::string text) {
    const design::TextBoxDesign& biasBox = design::kTextBoxes[kBiasBox];
    Update typed = type(biasBox, std::move(text));
    return typed.ended ? typed : enter(biasBox);
}

Update Host::perform(Action action) {
    session::Session& session = run_->session();
    switch (action) {
        case Action::Pause:
            return setPaused(!session.paused());
        case Action::Step:
            return run([&] {
                session.pause();
                session.step();
            });
        case Action::Slower:
            return run([&] { session.slower(); });
        case Action::Faster:
            return run([&] { session.faster(); });
        default:
            return {};
    }
}

Update Host::setPaused(bool paused) {
    return run([&] { paused ? run_->session().pause() : run_->session().resume(); });
}

Update Host::setSpeed(double speed) {
    return run([&] { run_->session().setSpeed(speed); });
}

Update Host::timePassed() {
    return run([] {});
}

Update Host::tickNow(const design::TimerDesign& timer) {
    return run([&] { run_->session().tickNow(timer); });
}

std::optional<double> Host::msToNextTick() const {
    return ended_ ? std::nullopt : run_->session().realMsToNextTick();
}

LineOutcome Host::runLine(std::string_view line) {
    LineOutcome outcome;
    if (ended_) {
        return outcome;
    }
    outcome = lines_->runLine(line);
    if (outcome.fatal()) {
        ended_ = true;
        exitStatus_ = 1;
    } else if (outcome.ended) {
        ended_ = true;
    }
    return outcome;
}

Status Host::status() const {
    const session::Session& session = run_->session();
    return {session.paused(), session.speed(), session.formMs(), session.steps(), session.behind(), ended_};
}

void Host::beginOpening(std::string script, std::string source) {
    opening_ = std::make_unique<PendingRun>();
    opening_->script = std::move(script);
    opening_->source = std::move(source);
}

Opening Host::continueOpening(long ticks) {
    PendingRun& pending = *opening_;
    const std::string_view script = pending.script;
    for (long budget = ticks; !pending.problem && pending.position < script.size() && budget > 0;) {
        const auto end = std::min(script.find('\n', pending.position), script.size());
        const LineOutcome outcome =
            pending.runner.runLine(script.substr(pending.position, end - pending.position));
        pending.position = end + 1;
        budget -= std::max(1L, outcome.ticksRun);
        if (!outcome.refused.empty()) {
            pending.problem = wording_.text("script", outcome.refused);
        } else if (outcome.fatal()) {
            pending.problem =
                texts::fillIn(wording_.text("script", kFatalInRun), {wording_.error(*outcome.error)});
        } else if (outcome.ended) {
            pending.problem = wording_.text("script", kClosedInRun);
        }
    }
    const bool done = pending.problem || pending.position >= script.size();
    const double progress =
        done ? 1 : static_cast<double>(pending.position) / static_cast<double>(script.size());
    return {progress, done};
}

Update Host::finishOpening() {
    std::unique_ptr<PendingRun> pending = std::move(opening_);
    Update update;
    if (!pending || ended_) {
        return update;
    }
    if (pending->problem) {
        const int line = pending->runner.lineNumber();
        update.message =
            Message{wording_.runNotOpened(
                        pending->source, line, *pending->problem,
                        script::quotedText(script::asWritten(nthLine(pending->script, line), line))),
                    false};
        return update;
    }
    // The opened run takes over; the teacher's pause and speed stay.
    session::Session& opened = pending->run->session();
    opened.setSpeed(run_->session().speed());
    if (run_->session().paused()) {
        opened.pause();
    }
    run_ = std::move(pending->run);
    lines_ = std::make_unique<ScriptRunner>(*run_);
    restartClock();
    update.newReadout = !readouts().entries().empty();
    return update;
}

void Host::cancelOpening() {
    opening_.reset();
}

Update Host::openRun(std::string script, std::string source) {
    beginOpening(std::move(script), std::move(source));
    while (!continueOpening(kMostTicksPerScript).done) {
    }
    return finishOpening();
}

}  // namespace kestrel::host
