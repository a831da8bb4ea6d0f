#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/form/design.h"
#include "core/host/actions.h"
#include "core/host/run.h"
#include "core/host/script_runner.h"
#include "core/host/status.h"
#include "core/host/wording.h"

// The one host every front-end drives: the desktop window, the page and the
// replay tool. A front-end hands it what the user did in plain terms (text
// typed in a box, a button clicked, Enter in a box, a classroom action, a
// saved run to open, real time passed) and shows what it answers; the host
// runs the event, decides what an error means, keeps the record of the run
// and its readouts, and holds the limits.
namespace kestrel::host {

struct Message {
    std::string text;
    bool fatal = false;  // the program has ended
};

// What one call leaves for the front-end to show, besides the form itself
// (its boxes, their enabled states and the picture).
struct Update {
    std::optional<Message> message;
    bool newReadout = false;
    bool ended = false;  // the program has ended; exitStatus() says how
};

// What a status line says while the run has slowed down (context "status").
inline constexpr const char* kBehindText = KESTREL_TEXT("status", "Behind: the machine cannot keep up");

// A saved run being opened beside the class's run.
struct Opening {
    double progress = 0;  // 0 to 1, by the script's bytes
    bool done = false;
};

class Host {
public:
    // A monotonic clock in milliseconds: real time. Without one, time passes
    // only as a script's tick lines say.
    using Clock = std::function<double()>;

    explicit Host(Clock clock = nullptr, Wording wording = Wording());
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // What the user did. Each first runs what fell due in real time.
    Update type(const design::TextBoxDesign& box, std::string text);
    Update click(const design::ButtonDesign& button);
    // Enter in a box: in the bias box it applies the bias, as a click on
    // "Start" before the first run and on "Restart" after it.
    Update enter(const design::TextBoxDesign& box);
    // The bias typed into the bias box and applied as Enter there applies
    // it, as the classroom panel's slider does on its release.
    Update applyBias(std::string text);
    // One of the actions that run on the run (Runs::OnTheRun).
    Update perform(Action action);
    Update setPaused(bool paused);
    Update setSpeed(double speed);
    // The front-end's timer has fired: real time has passed.
    Update timePassed();
    // One tick of a running timer at once, as a script's tick line runs it.
    Update tickNow(const design::TimerDesign& timer);
    // Real milliseconds until the next tick falls due; nothing while paused,
    // ended or with no timer running.
    [[nodiscard]] std::optional<double> msToNextTick() const;

    // One line of a script on the class's run, as the replay tool runs it.
    LineOutcome runLine(std::string_view line);

    // A saved run, replayed beside the class's run in steps of at most
    // `ticks` ticks each, so a front-end stays responsive and can show the
    // progress. Only a run that replays to its end takes the class's run's
    // place (with its pause and speed); one that stops at a bad line, a
    // limit, a fatal error or "Close" is a message, and the class's run goes
    // on as it was. `source` names the run in the message.
    void beginOpening(std::string script, std::string source);
    Opening continueOpening(long ticks);
    Update finishOpening();
    void cancelOpening();
    [[nodiscard]] bool opening() const { return opening_ != nullptr; }
    // All at once.
    Update openRun(std::string script, std::string source);

    [[nodiscard]] const Form1& form() const { return run_->form(); }
    // The form itself, for tests that set a state no event reaches.
    Form1& formForTests() { return run_->form(); }
    [[nodiscard]] const session::ReadoutLog& readouts() const { return run_->session().readouts(); }
    // The I–V chart starts afresh; the readouts stay for export.
    void clearChart() { run_->session().clearChart(); }
    // Every event of the run as a script that replays it.
    [[nodiscard]] std::string record() const { return run_->session().script(); }
    [[nodiscard]] Status status() const;
    [[nodiscard]] long stepsSinceReadout() const { return run_->session().stepsSinceReadout(); }
    [[nodiscard]] bool ended() const { return ended_; }
    // 0 after "Close", 1 after a fatal error.
    [[nodiscard]] int exitStatus() const { return exitStatus_; }
    [[nodiscard]] const Wording& wording() const { return wording_; }
    [[nodiscard]] std::string description() const { return wording_.description(form()); }

private:
    struct PendingRun;

    template <typename Event>
    Update run(Event&& event);
    void catchUp();
    void restartClock();

    Clock clock_;
    Wording wording_;
    std::unique_ptr<Run> run_;
    std::unique_ptr<ScriptRunner> lines_;  // the replay tool's lines on run_
    std::unique_ptr<PendingRun> opening_;
    double lastRealMs_ = 0;
    bool ended_ = false;
    int exitStatus_ = 0;
};

}  // namespace kestrel::host
