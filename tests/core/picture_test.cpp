#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <regex>
#include <string>
#include <vector>

#include "core/form/design.h"
#include "core/picture/form_picture.h"
#include "core/picture/painted_items.h"
#include "core/picture/svg_canvas.h"

// The form's picture as plain data: what the core draws, in which order,
// and the SVG a worksheet gets.
namespace kestrel {
namespace {

// Notes each call as one word, and the dots' places.
class RecordingCanvas : public picture::Canvas {
public:
    std::vector<std::string> calls;
    std::vector<DotItem> dots;
    std::vector<LineItem> lines;

    void line(const LineItem& ends, const design::Pen& pen) override {
        calls.push_back(pen.colour == design::kBlack ? "line" : "marker");
        lines.push_back(ends);
    }
    void rectangle(const design::TwipsRect&, const design::Colour*) override { calls.push_back("rectangle"); }
    void ellipse(const design::TwipsRect&) override { calls.push_back("ellipse"); }
    void dot(const DotItem& dot, int, design::Colour) override {
        calls.push_back("dot");
        dots.push_back(dot);
    }
    void point(float, float, design::Colour) override { calls.push_back("point"); }
    double textWidth(std::string_view, const design::Font&) override { return 0; }
    void text(const design::TwipsRect&, std::string_view, const design::Font&, picture::TextAlign) override {
        calls.push_back("text");
    }
};

Form1 runningForm() {
    Form1 form;
    form.Form_Load();
    form.Command1_Click();
    for (int tick = 0; tick < 40; ++tick) {
        form.Timer1_Timer();
    }
    return form;
}

TEST(FormPicture, DrawsBottomToTopAndLeavesHiddenLinesOut) {
    Form1 form = runningForm();
    form.Line18.Visible = true;
    form.Line19.Visible = false;
    RecordingCanvas canvas;
    picture::drawForm(canvas, form);

    const auto& calls = canvas.calls;
    const auto first = [&calls](const char* call) { return std::find(calls.begin(), calls.end(), call); };
    // One past the last call of a kind.
    const auto pastLast = [&calls](const char* call) {
        return std::find(calls.rbegin(), calls.rend(), call).base();
    };
    EXPECT_LE(pastLast("text"), first("rectangle"));
    EXPECT_LE(pastLast("ellipse"), first("line"));
    EXPECT_LE(pastLast("line"), first("dot"));
    EXPECT_LE(pastLast("dot"), first("marker"));
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "marker"), 1);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "line"), 16);  // all but the chart's and the markers
    EXPECT_EQ(canvas.dots.size(), 2U * (kMostCarriers + 1));
    EXPECT_EQ(canvas.dots[7], form.Shape1(7));
    EXPECT_EQ(canvas.lines.back(), form.Line18);
}

TEST(FormPicture, SvgIsTheClientAreaWithEveryLiveDotWhereTheFormHasIt) {
    const Form1 form = runningForm();
    const std::string svg = picture::formSvg(form);
    EXPECT_NE(svg.find("width=\"605\" height=\"453\""), std::string::npos);

    const std::regex circle(R"re(<circle cx="([0-9.]+)" cy="([0-9.]+)")re");
    int circles = 0;
    for (auto match = std::sregex_iterator(svg.begin(), svg.end(), circle); match != std::sregex_iterator();
         ++match) {
        ++circles;
    }
    EXPECT_EQ(circles, form.ElectronCount + form.HoleCount);
    // Electron 1's centre: its Left and Top plus half the dot size, in pixels.
    const DotItem& electron = form.Shape1(1);
    char expected[64];
    std::snprintf(expected, sizeof expected, "<circle cx=\"%g\" cy=\"%g\"",
                  std::round((electron.Left + 52.5) / 15 * 100) / 100,
                  std::round((electron.Top + 52.5) / 15 * 100) / 100);
    EXPECT_NE(svg.find(expected), std::string::npos) << expected;
    EXPECT_NE(svg.find(">Restart</text>"), std::string::npos);
    EXPECT_NE(svg.find("stroke-dasharray"), std::string::npos);  // the Fermi levels
}

// Carriers parked or placed at a contact must not stretch a step's repaint
// over the boxes and buttons below the diagram.
TEST(PaintedItems, AStepRepaintsOnlyInsideTheWindow) {
    Form1 form;
    form.Form_Load();
    form.Command1_Click();
    picture::PaintedItems painted;
    painted.takeChanges(form);
    const picture::PixelRect window{0, 0, 605, 453};
    for (int tick = 1; tick <= 200; ++tick) {
        form.Timer1_Timer();
        const picture::PixelRect changed = painted.takeChanges(form);
        ASSERT_FALSE(changed.empty()) << "tick " << tick;
        ASSERT_EQ(changed & window, changed) << "tick " << tick;
    }
}

}  // namespace
}  // namespace kestrel
