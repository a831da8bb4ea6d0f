#include <gtest/gtest.h>

#include <string>

#include "core/controls/bias_slider.h"
#include "core/host/host.h"
#include "core/host/status_text.h"
#include "core/host/zoom_steps.h"

// What the classroom panel and the status over the picture rest on: the
// status line, the zoom steps that fit the screen, the bias slider, and the
// slider's bias applied as a user applies it.
namespace kestrel::host {
namespace {

TEST(StatusLine, SaysOnlyWhatDiffersFromAPlainRunOverThePictureAndAllInThePanel) {
    const Wording wording;
    const struct {
        Status status;
        const char* overThePicture;
        const char* inThePanel;
    } cases[] = {
        {{false, 1, 65'400}, "", "1× · 01:05"},
        {{true, 1, 0}, "Paused · 00:00", "Paused · 1× · 00:00"},
        {{false, 2, 59'999}, "2× · 00:59", "2× · 00:59"},
        {{true, 0.25, 4'502'000}, "Paused · ¼× · 75:02", "Paused · ¼× · 75:02"},
        {{false, 1, 1'000, 0, true},
         "00:01 · Behind: the machine cannot keep up",
         "1× · 00:01 · Behind: the machine cannot keep up"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(statusLine(c.status, wording), c.overThePicture);
        EXPECT_EQ(statusLine(c.status, wording, StatusUse::InThePanel), c.inThePanel);
    }
}

// The form is 605 × 453 pixels at zoom 1.
TEST(ZoomSteps, StopAtTheLargestThatFitsTheScreen) {
    EXPECT_EQ(largestFittingZoom(605, 453, 1600, 1000), 2);    // 250% is 1134 pixels high
    EXPECT_EQ(largestFittingZoom(605, 453, 1920, 1040), 2);    // a 1080p projector under its panel
    EXPECT_EQ(largestFittingZoom(605, 453, 1815, 1359), 3);    // exactly 300%
    EXPECT_EQ(largestFittingZoom(605, 453, 1814, 2000), 2.5);  // one pixel too narrow for 300%
    EXPECT_EQ(largestFittingZoom(605, 453, 400, 300), 1);      // nothing fits: the designed size
    EXPECT_EQ(zoomIn(2, 2), 2);
    EXPECT_EQ(zoomIn(1.5, 2), 2);
    EXPECT_EQ(zoomIn(3, 2), 3);  // a zoom beyond the largest is not made smaller by zooming in
    EXPECT_EQ(zoomIn(4), 4);
}

TEST(BiasSlider, WritesHundredthsAndFollowsTheBoxWithinItsEnds) {
    EXPECT_EQ(sliderBiasText(30), "0.30");
    EXPECT_EQ(sliderBiasText(-5), "-0.05");
    EXPECT_EQ(sliderBiasText(-70), "-0.70");
    EXPECT_EQ(sliderBiasText(59), "0.59");
    EXPECT_EQ(sliderBiasText(60), "0.59");
    EXPECT_EQ(sliderPosition("0.3"), 30);
    EXPECT_EQ(sliderPosition("-0.125"), -12);  // ties to even
    EXPECT_EQ(sliderPosition("5"), 59);
    EXPECT_EQ(sliderPosition("-900"), -70);
    EXPECT_EQ(sliderPosition("abc"), 0);
}

TEST(BiasSlider, AppliesItsBiasAsStartThenAsRestartAndIsRecordedSo) {
    Host host;
    host.applyBias("0.30");
    EXPECT_EQ(host.record(), "type Text4 0.30\nclick Command1\n");
    EXPECT_TRUE(host.form().Timer1.Enabled);
    host.applyBias("-0.70");
    EXPECT_EQ(host.record(), "type Text4 0.30\nclick Command1\ntype Text4 -0.70\nclick Command3\n");
    EXPECT_EQ(host.form().Text4.Text, "-0.7");
}

}  // namespace
}  // namespace kestrel::host
