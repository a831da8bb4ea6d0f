#include "core/session/session.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>

#include "core/dump/form_dump.h"
#include "core/form/design.h"
#include "replay_engine.h"

// The classroom controls: pause, step, speed, the record of a run and its
// readouts, all on the form's own time.
namespace kestrel::session {
namespace {

const design::TextBoxDesign& kBias = design::kTextBoxes[3];
const design::ButtonDesign& kStart = design::kButtons[0];
const design::ButtonDesign& kRestart = design::kButtons[2];

struct Loaded {
    Form1 form;
    Session session;
    Loaded() : session((form.Form_Load(), form)) {}
};

// What the replay tool makes of a script: its last dump.
std::string replayedDump(const std::string& script) {
    std::istringstream in(script + "dump\n");
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(replayScript(in, out, err), 0) << err.str();
    return out.str().substr(0, out.str().size() - 1);
}

long ticksOf(const std::string& script, const char* timer) {
    const std::regex tick(std::string("tick ") + timer + "(?: ([0-9]+))?\n");
    long total = 0;
    for (auto m = std::sregex_iterator(script.begin(), script.end(), tick); m != std::sregex_iterator();
         ++m) {
        total += (*m)[1].matched ? std::stol((*m)[1].str()) : 1;
    }
    return total;
}

TEST(Session, PausedNothingChangesAndEachStepIsOneTickOfTheFormsTime) {
    Loaded run;
    run.session.type(kBias, "0.3");
    run.session.click(kStart);
    run.session.pause();
    const std::string before = dumpForm(run.form);
    for (int n = 0; n < 100; ++n) {
        run.session.advance(10);
    }
    EXPECT_EQ(dumpForm(run.form), before);
    EXPECT_FALSE(run.session.realMsToNextTick());

    for (int n = 0; n < 450; ++n) {
        run.session.step();
    }
    const std::string script = run.session.script();
    EXPECT_EQ(ticksOf(script, "Timer1"), 450);
    EXPECT_EQ(ticksOf(script, "Timer2"), 2);  // after the 200th and the 400th step
    EXPECT_TRUE(script.starts_with("type Text4 0.3\nclick Command1\ntick Timer1")) << script;
    EXPECT_EQ(replayedDump(script), dumpForm(run.form));
}

TEST(Session, SpeedScalesEveryTimerAndLateTicksAreNotMadeUp) {
    Loaded run;
    run.session.click(kStart);
    run.session.setSpeed(2);
    for (int n = 0; n < 50; ++n) {
        run.session.advance(10);  // half a second of real time
    }
    EXPECT_EQ(ticksOf(run.session.script(), "Timer1"), 20);
    EXPECT_DOUBLE_EQ(*run.session.realMsToNextTick(), 25);
    run.session.faster();
    run.session.faster();
    EXPECT_EQ(run.session.speed(), 4);
    run.session.slower();
    run.session.advance(1000);  // a stall: one tick, not forty
    EXPECT_EQ(ticksOf(run.session.script(), "Timer1"), 21);
}

TEST(Session, ReadoutsKnowTheirBiasAndTheFirstAfterASetUpIsPartial) {
    Loaded run;
    run.session.pause();
    for (int n = 0; n < 100; ++n) {
        run.session.step();  // five seconds before "Start"
    }
    run.session.type(kBias, " 0,3");
    run.session.click(kStart);
    for (int n = 0; n < 300; ++n) {
        run.session.step();
    }
    run.session.type(kBias, "-2");
    run.session.click(kRestart);
    for (int n = 0; n < 200; ++n) {
        run.session.step();
    }
    const auto& readouts = run.session.readouts().entries();
    ASSERT_EQ(readouts.size(), 3U);
    EXPECT_EQ(readouts[0].tick, 100);
    EXPECT_EQ(readouts[0].bias, "0.3");
    EXPECT_TRUE(readouts[0].partial);
    EXPECT_FALSE(readouts[1].partial);
    EXPECT_EQ(readouts[2].bias, "-0.7");  // as the set-up held it
    EXPECT_DOUBLE_EQ(readouts[2].biasVolts, -0.7);
    EXPECT_EQ(std::to_string(readouts[2].current), run.form.Text7.Text);  // what the readout shows
    std::istringstream csv(run.session.readouts().csv());
    std::string line;
    std::getline(csv, line);
    EXPECT_EQ(line, "tick,bias_v,temperature_k,current,electrons,holes,partial");
    std::getline(csv, line);
    const Readout& first = readouts[0];
    EXPECT_EQ(line, "100,0.3,300," + std::to_string(first.current) + ',' + std::to_string(first.electrons) +
                        ',' + std::to_string(first.holes) + ",yes");
}

TEST(Session, ASavedRunReplaysIntoAFreshFormAndGoesOn) {
    Loaded original;
    original.session.type(kBias, "0.2");
    original.session.click(kStart);
    for (int n = 0; n < 300; ++n) {
        original.session.advance(37);
    }
    Loaded copy;
    EXPECT_FALSE(copy.session.replay("\xEF\xBB\xBF" + original.session.script()));
    EXPECT_EQ(dumpForm(copy.form), dumpForm(original.form));
    EXPECT_EQ(copy.session.script(), original.session.script());
    ASSERT_TRUE(copy.session.realMsToNextTick());

    Loaded refused;
    const auto stop = refused.session.replay("click Command1\n\ntick Timer9\n");
    ASSERT_TRUE(stop);
    EXPECT_EQ(stop->line, 3);
    EXPECT_EQ(stop->problem, "tick needs a timer Timer1 to Timer4");
}

}  // namespace
}  // namespace kestrel::session
