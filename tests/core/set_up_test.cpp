#include "core/host/set_up.h"

#include <gtest/gtest.h>

#include "core/host/host.h"

// A set-up by the same names and values on the desktop's command line and
// in the page's address, and the set-up of a run handed on.
namespace kestrel::host {
namespace {

TEST(LessonSetUp, ReadsTheOptionsAndRefusesValuesThatAreNotNumbers) {
    const Wording wording;
    host::SetUp setUp;  // qualified: a test has a SetUp of its own
    EXPECT_FALSE(readSetUpOption(setUp, "bias", "-0.3", wording));
    EXPECT_FALSE(readSetUpOption(setUp, "start", std::nullopt, wording));
    EXPECT_FALSE(readSetUpOption(setUp, "paused", "", wording));
    EXPECT_FALSE(readSetUpOption(setUp, "speed", "2", wording));
    EXPECT_FALSE(readSetUpOption(setUp, "fbclid", "x", wording));  // an address carries others
    EXPECT_EQ(setUp.bias, "-0.3");
    EXPECT_TRUE(setUp.start && setUp.paused);
    EXPECT_EQ(setUp.speed, 2);
    EXPECT_FALSE(setUp.zoom);

    EXPECT_EQ(readSetUpOption(setUp, "bias", "0.3V", wording), "bias needs a number of volts, not \"0.3V\"");
    EXPECT_EQ(readSetUpOption(setUp, "zoom", "0", wording), "zoom needs a positive number, not \"0\"");
    EXPECT_EQ(readSetUpOption(setUp, "speed", std::nullopt, wording),
              "speed needs a positive number, not \"\"");
    EXPECT_EQ(setUp.bias, "-0.3");
    EXPECT_EQ(setUp.speed, 2);
}

TEST(LessonSetUp, OfARunGivesItsBiasStartPauseSpeedAndZoomInOrder) {
    Host host;
    EXPECT_TRUE(setUpOptions(currentSetUp(host.form(), host.status(), 1)) == (SetUpOptions{{"bias", "0"}}));
    host.type(design::kTextBoxes[3], "0.3");
    host.click(design::kButtons[0]);
    host.setPaused(true);
    host.setSpeed(0.5);
    EXPECT_TRUE(
        setUpOptions(currentSetUp(host.form(), host.status(), 2)) ==
        (SetUpOptions{{"bias", "0.3"}, {"start", {}}, {"paused", {}}, {"speed", "0.5"}, {"zoom", "2"}}));
    host.type(design::kTextBoxes[3], "abc");  // typed, not a bias a link can carry
    EXPECT_EQ(setUpOptions(currentSetUp(host.form(), host.status(), 1)).front().first, "start");
}

}  // namespace
}  // namespace kestrel::host
