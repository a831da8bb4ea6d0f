#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/form/readout_name.h"
#include "core/host/host.h"
#include "core/picture/iv_chart.h"
#include "core/picture/readout_points.h"

// The readouts a class keeps: the CSV and the I–V chart drawn from them.
namespace kestrel {
namespace {

const design::TextBoxDesign& kBias = design::kTextBoxes[3];
const design::ButtonDesign& kStart = design::kButtons[0];
const design::ButtonDesign& kRestart = design::kButtons[2];

// A paused run moved on by whole 50 ms steps.
struct SteppedRun {
    host::Host host{[] { return 0.0; }};

    SteppedRun() { host.setPaused(true); }
    void steps(int count) {
        for (int n = 0; n < count; ++n) {
            host.perform(host::Action::Step);
        }
    }
    [[nodiscard]] std::vector<std::string> csvLines() const {
        std::vector<std::string> lines;
        const std::string csv = host.readouts().csv();
        for (std::size_t at = 0, end; (end = csv.find('\n', at)) != std::string::npos; at = end + 1) {
            lines.push_back(csv.substr(at, end - at));
        }
        return lines;
    }
};

std::string row(const std::string& seconds, const std::string& bias, const session::Readout& readout,
                const char* partial) {
    return seconds + ',' + bias + ",300," + std::to_string(readout.current) + ',' +
           std::to_string(readout.electrons) + ',' + std::to_string(readout.holes) + ',' + partial;
}

TEST(Readouts, TheCsvHasTheFormTimeInSecondsAndOnlyReadoutsAfterStart) {
    SteppedRun run;
    run.steps(250);  // the 10 s readout comes before "Start"
    run.host.type(kBias, "0.3");
    run.host.click(kStart);
    run.steps(350);  // readouts at 20 s (partial) and 30 s
    run.host.type(kBias, "-0.2");
    run.host.click(kRestart);
    run.steps(200);  // 40 s, the first after "Restart"
    const auto& readouts = run.host.readouts().entries();
    ASSERT_EQ(readouts.size(), 4U);
    EXPECT_EQ(run.csvLines(),
              (std::vector<std::string>{
                  "time_s,bias_v,temperature_k,readout_net_carriers_per_10s,electrons,holes,partial",
                  row("20", "0.3", readouts[1], "yes"), row("30", "0.3", readouts[2], "no"),
                  row("40", "-0.2", readouts[3], "yes")}));
    EXPECT_EQ(picture::chartPoints(run.host.readouts()).size(), 3U) << "nor on the chart";
}

TEST(Readouts, FormTimeIsWrittenInSecondsExactly) {
    const std::vector<std::pair<long, std::string>> cases{{0, "0"},     {10000, "10"},      {12500, "12.5"},
                                                          {50, "0.05"}, {120250, "120.25"}, {7, "0.007"}};
    for (const auto& [ms, text] : cases) {
        EXPECT_EQ(session::secondsText(ms), text) << ms;
    }
}

TEST(Readouts, ClearingTheChartKeepsEveryReadoutForTheCsv) {
    SteppedRun run;
    run.host.type(kBias, "0.3");
    run.host.click(kStart);
    run.steps(400);
    ASSERT_EQ(picture::chartPoints(run.host.readouts()).size(), 2U);
    const std::string csv = run.host.readouts().csv();
    run.host.clearChart();
    EXPECT_TRUE(picture::chartPoints(run.host.readouts()).empty());
    EXPECT_EQ(run.host.readouts().csv(), csv);
    run.steps(200);
    const auto points = picture::chartPoints(run.host.readouts());
    ASSERT_EQ(points.size(), 1U);
    EXPECT_EQ(points[0].current, run.host.readouts().entries().back().current);
    EXPECT_FALSE(points[0].partial);
}

// Notes the marks by fill, the texts, and the plot's frame; a text is six
// pixels a byte wide.
class ChartCanvas : public picture::Canvas {
public:
    int filled = 0;
    int hollow = 0;
    std::vector<std::pair<design::TwipsRect, std::string>> texts;
    design::TwipsRect frame{};

    void line(const LineItem&, const design::Pen&) override {}
    void rectangle(const design::TwipsRect& box, const design::Colour*) override { frame = box; }
    void ellipse(const design::TwipsRect&) override {}
    void dot(const DotItem&, int, design::Colour fill) override {
        ++(fill == design::kWhite ? hollow : filled);
    }
    void point(float, float, design::Colour) override {}
    double textWidth(std::string_view text, const design::Font&) override {
        return 6.0 * static_cast<double>(text.size());
    }
    void text(const design::TwipsRect& box, std::string_view text, const design::Font&,
              picture::TextAlign) override {
        texts.emplace_back(box, text);
    }
    [[nodiscard]] const design::TwipsRect* textBox(std::string_view text) const {
        for (const auto& [box, drawn] : texts) {
            if (drawn == text) {
                return &box;
            }
        }
        return nullptr;
    }
};

constexpr const char* kFull = "Full readout (10 s)";
constexpr const char* kPartial = "Partial: the first after a set-up, under 10 s";
constexpr const char* kHint = "No readouts yet: press \"Start\"; a readout comes every 10 s";

TEST(ReadoutChart, NamesTheReadoutWithALegendAboveThePlotAndAHintWhileEmpty) {
    const std::vector<picture::IvPoint> points{{0.3, 107, true}, {0.3, 98, false}};
    for (const int widthPx : {320, 480, 960}) {
        ChartCanvas chart;
        const design::TwipsRect box{0, 0, widthPx * 15, 6000};
        picture::drawReadoutChart(chart, points, box);
        EXPECT_EQ(chart.filled, 2) << "one point and the legend's";
        EXPECT_EQ(chart.hollow, 2) << "one point and the legend's";
        const design::TwipsRect* axis = chart.textBox(texts::kReadoutName);
        ASSERT_TRUE(axis);
        EXPECT_LE(axis->top + axis->height, chart.frame.top);
        EXPECT_FALSE(chart.textBox(kHint));
        for (const char* entry : {kFull, kPartial}) {
            const design::TwipsRect* legend = chart.textBox(entry);
            ASSERT_TRUE(legend) << entry;
            EXPECT_LE(legend->top + legend->height, axis->top) << entry << " at " << widthPx;
            EXPECT_LE(legend->left + static_cast<int>(chart.textWidth(entry, design::kDefaultFont) * 15),
                      box.width)
                << entry << " at " << widthPx;
        }
    }
    ChartCanvas empty;
    picture::drawReadoutChart(empty, {}, {0, 0, 7200, 6000});
    EXPECT_TRUE(empty.textBox(kHint));
    EXPECT_EQ(empty.filled + empty.hollow, 2) << "the legend's marks alone";
}

TEST(ReadoutChart, GrowsWithItsSizeInBothDirectionsButNeverShrinks) {
    const std::vector<std::pair<std::pair<double, double>, double>> cases{
        {{480, 400}, 1},  {{240, 200}, 1},  {{960, 800}, 2},
        {{1440, 400}, 1}, {{960, 1200}, 2}, {{720, 700}, 1.5}};
    for (const auto& [size, scale] : cases) {
        EXPECT_DOUBLE_EQ(picture::readoutChartScale(size.first, size.second), scale)
            << size.first << "x" << size.second;
    }
}

}  // namespace
}  // namespace kestrel
