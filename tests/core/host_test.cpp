#include "core/host/host.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/dump/form_dump.h"
#include "core/host/limits.h"

// The one host every front-end drives: events, time, the classroom actions,
// the record of a run and its readouts, opening a saved run, the messages.
namespace kestrel::host {
namespace {

const design::TextBoxDesign& kBias = design::kTextBoxes[3];
const design::ButtonDesign& kStart = design::kButtons[0];
const design::ButtonDesign& kRestart = design::kButtons[2];

// A host on a clock the test moves by hand.
struct Hosted {
    double now = 0;
    Host host{[this] { return now; }};

    Update wait(double ms) {
        now += ms;
        return host.timePassed();
    }
};

// However the real time comes (a busy machine, a fast or slow speed), the
// form's timers fall due in the same order and every tick runs.
TEST(Host, TheSpeedAndTheMachinesLoadNeverChangeARun) {
    const auto lesson = [](double speed, const std::vector<double>& realSteps) {
        auto run = std::make_unique<Hosted>();
        run->host.setSpeed(speed);
        run->host.type(kBias, "0.4");
        run->host.click(kStart);
        const auto until = [&](double formMs) {
            for (std::size_t n = 0; run->host.status().formMs < formMs; ++n) {
                const double left = formMs - run->host.status().formMs;
                run->wait(std::min(realSteps[n % realSteps.size()] * speed, left) / speed);
            }
        };
        until(15'020);  // between two steps
        run->host.type(kBias, "-0.2");
        run->host.enter(kBias);  // "Restart", once started
        until(45'000);
        return run;
    };
    const auto steady = lesson(1, {50});
    const auto fast = lesson(4, {50, 730, 12, 990, 3});
    const auto slow = lesson(0.25, {50, 49, 51});
    EXPECT_EQ(steady->host.readouts().entries().size(), 4U);
    EXPECT_EQ(steady->host.readouts().entries(), fast->host.readouts().entries());
    EXPECT_EQ(steady->host.readouts().entries(), slow->host.readouts().entries());
    for (const auto& readout : fast->host.readouts().entries()) {
        EXPECT_EQ(readout.tick % 200, 0) << "each readout covers exactly 200 steps";
    }

    // More than a second behind, the run slows down instead, and says so.
    Hosted stalled;
    stalled.host.click(kStart);
    stalled.wait(5000);
    EXPECT_DOUBLE_EQ(stalled.host.status().formMs, 1000);
    EXPECT_EQ(stalled.host.status().steps, 20);
    EXPECT_TRUE(stalled.host.status().behind);
}

TEST(Host, ReadoutsKnowTheirBiasAndTheFirstAfterASetUpIsPartial) {
    Hosted run;
    run.host.setPaused(true);
    for (int n = 0; n < 100; ++n) {
        run.host.perform(Action::Step);  // five seconds before "Start"
    }
    run.host.type(kBias, " 0,3");
    run.host.enter(kBias);  // "Start" before the first run
    for (int n = 0; n < 300; ++n) {
        run.host.perform(Action::Step);
    }
    run.host.type(kBias, "-2");
    run.host.click(kRestart);
    for (int n = 0; n < 200; ++n) {
        run.host.perform(Action::Step);
    }
    const auto& readouts = run.host.readouts().entries();
    ASSERT_EQ(readouts.size(), 3U);
    EXPECT_EQ(readouts[0].tick, 100);
    EXPECT_EQ(readouts[0].bias, "0.3");
    EXPECT_TRUE(readouts[0].partial);
    EXPECT_FALSE(readouts[1].partial);
    EXPECT_EQ(readouts[2].bias, "-0.7");  // as the set-up held it
    EXPECT_DOUBLE_EQ(readouts[2].biasVolts, -0.7);
    EXPECT_EQ(std::to_string(readouts[2].current), run.host.form().Text7.Text);
}

TEST(Host, AnOpenedRunIsExactlyTheFileAndTakesOverOnlyWhenItReplaysToItsEnd) {
    Hosted original;
    original.host.type(kBias, "0.2");
    original.host.click(kStart);
    for (int n = 0; n < 300; ++n) {
        original.wait(37);
    }
    const std::string saved = original.host.record();

    Hosted copy;
    copy.host.setSpeed(2);
    copy.host.setPaused(true);
    copy.wait(5000);  // time before the opening is not the opened run's
    const Update opened = copy.host.openRun("\xEF\xBB\xBF" + saved, "lesson.replay");
    EXPECT_FALSE(opened.message);
    EXPECT_EQ(dumpForm(copy.host.form()), dumpForm(original.host.form()));
    EXPECT_EQ(copy.host.record(), saved);
    EXPECT_TRUE(copy.host.status().paused);  // the teacher's pause and speed stay
    EXPECT_EQ(copy.host.status().speed, 2);
    copy.wait(1000);
    EXPECT_EQ(copy.host.record(), saved) << "a run opened paused stands at its last line";

    // A file that stops early is a message; the class's run goes on as it was.
    const std::string before = dumpForm(copy.host.form());
    for (const auto& [script, says] : std::vector<std::pair<std::string, std::string>>{
             {"click Command1\n\ntick Timer9\n",
              "line 3: tick needs a timer Timer1 to Timer4: \"tick Timer9\""},
             {"click Command1\nclick Command2\n", "line 2: the run clicks \"Close\""},
             {"type Text2 30\nclick Command1\n", "line 2: the run ends in a run-time error"},
             {"click Command1\ntick Timer1 72001\n", "line 2: a line may tick at most 72000 times"},
             {std::string(kMostLineBytes + 1, '#') + "\n", "line 1: the line is longer than 256 KB: \"####"},
             {"type Text4 \x1b]0;x\x07\nclick Command9\n", "line 2"}}) {
        const Update refused = copy.host.openRun(script, "run.replay");
        ASSERT_TRUE(refused.message) << script.substr(0, 40);
        EXPECT_FALSE(refused.message->fatal);
        EXPECT_NE(refused.message->text.find("run.replay, " + says), std::string::npos)
            << refused.message->text;
        EXPECT_EQ(refused.message->text.find('\x1b'), std::string::npos)
            << "control characters are not shown";
        EXPECT_EQ(dumpForm(copy.host.form()), before);
        EXPECT_FALSE(copy.host.ended());
    }
}

TEST(Host, InputErrorsAreMessagesAndAFatalErrorEndsTheRunInTheLanguage) {
    // The catalogue lookup the front-end passes words every message.
    Host host(nullptr, Wording([](std::string_view context, std::string_view text) {
                  return "[" + std::string(context) + "]" + std::string(text);
              }));
    const Update bad = host.type(kBias, "abc");
    EXPECT_FALSE(bad.message);
    const Update refused = host.click(kStart);
    ASSERT_TRUE(refused.message);
    EXPECT_FALSE(refused.message->fatal);
    EXPECT_EQ(refused.message->text.rfind("[errors]", 0), 0U) << refused.message->text;
    EXPECT_NE(refused.message->text.find("[boxes]Bias (V)"), std::string::npos) << refused.message->text;
    EXPECT_FALSE(host.ended());

    host.type(kBias, "0");
    host.type(design::kTextBoxes[1], "30");  // a Fermi level that overflows the band geometry
    const Update overflow = host.click(kStart);
    ASSERT_TRUE(overflow.message);
    EXPECT_TRUE(overflow.message->fatal);
    EXPECT_EQ(overflow.message->text.rfind("[host]Run-time error: [errors]Overflow", 0), 0U)
        << overflow.message->text;
    EXPECT_TRUE(host.ended());
    EXPECT_EQ(host.exitStatus(), 1);
    EXPECT_FALSE(host.click(kStart).message) << "nothing runs after the end";

    Host closing;
    const Update closed = closing.click(design::kButtons[1]);
    EXPECT_TRUE(closed.ended);
    EXPECT_EQ(closing.exitStatus(), 0);
    EXPECT_FALSE(closing.msToNextTick());
}

TEST(Actions, EachKeyStandsForOneActionAndEachActionHasAKeyAndAName) {
    std::set<std::string> keys;
    std::set<std::string> names;
    for (const ActionDesign& action : kActions) {
        ASSERT_NE(action.keys[0], nullptr) << action.name;
        EXPECT_TRUE(names.insert(action.name).second) << action.name;
        for (const char* key : action.keys) {
            if (key != nullptr) {
                EXPECT_TRUE(keys.insert(key).second) << key << " is taken twice";
                EXPECT_EQ(actionForKey(key), action.action);
            }
        }
        EXPECT_EQ(actionNamed(action.name), action.action);
        EXPECT_EQ(&actionDesign(action.action), &action);
    }
}

}  // namespace
}  // namespace kestrel::host
