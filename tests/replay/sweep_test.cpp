#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/form/form1.h"
#include "core/picture/iv_chart.h"
#include "core/session/bias_list.h"
#include "core/session/iv_sweep.h"
#include "sweep_command.h"
#include "tool_run.h"

// The I-V sweep: its list of biases, its rows against a form driven by hand,
// its arithmetic, its chart and the tool's options.
namespace kestrel {
namespace {

TEST(BiasList, CountsInDecimalsAndWritesTheFinestDecimals) {
    const auto biases = parseBiasList("-0.7:0.59:0.05");
    ASSERT_EQ(biases.size(), 26U);
    EXPECT_EQ(biases.front(), "-0.70");
    EXPECT_EQ(biases[14], "0.00");
    EXPECT_EQ(biases[15], "0.05");
    EXPECT_EQ(biases.back(), "0.55");

    EXPECT_EQ(parseBiasList("-0.5:0.5:0.25"),
              (std::vector<std::string>{"-0.50", "-0.25", "0.00", "0.25", "0.50"}));
    EXPECT_EQ(parseBiasList("-0.3:0.3:0.1"),
              (std::vector<std::string>{"-0.3", "-0.2", "-0.1", "0.0", "0.1", "0.2", "0.3"}));
    EXPECT_EQ(parseBiasList("0:0:1"), (std::vector<std::string>{"0"}));
    EXPECT_EQ(parseBiasList("0.5:0.5:1"), (std::vector<std::string>{"0.5"}));
    EXPECT_EQ(parseBiasList("0.000005:0.000007:0.000001"),
              (std::vector<std::string>{"0.000005", "0.000006", "0.000007"}));
    EXPECT_EQ(parseBiasList("-0.7:0.2999:0.0001").size(), static_cast<std::size_t>(kMostBiases));
}

TEST(BiasList, RefusesWhatIsNotARangeOfRisingDecimals) {
    for (const char* range :
         {"", "0:1", "0:1:0.1:2", "a:1:0.1", "+0:1:0.1", "1.:2:1", ".5:1:1", "0:1:1e-1", " 0:1:1", "0:1:0",
          "0:1:-0.1", "1:0:0.1", "0:10000:1", "0:1:0.0000001", "1234567:1234568:1"}) {
        EXPECT_THROW(parseBiasList(range), std::invalid_argument) << '"' << range << '"';
    }
}

TEST(IvSweep, MeanIsExactAndRoundsHalvesAwayFromZero) {
    EXPECT_EQ(meanInHundredths({1, 2}), 150);
    EXPECT_EQ(meanInHundredths({1, 1, 2}), 133);
    EXPECT_EQ(meanInHundredths({2, 2, 1}), 167);
    EXPECT_EQ(meanInHundredths({1, 0, 0, 0, 0, 0, 0, 0}), 13);  // 12.5
    EXPECT_EQ(meanInHundredths({-1, 0, 0, 0, 0, 0, 0, 0}), -13);
    EXPECT_EQ(meanInHundredths({32767, 32767}), 3276700);
    EXPECT_EQ(meanInHundredths({}), 0);
    EXPECT_EQ(writtenInHundredths(1234), "12.34");
    EXPECT_EQ(writtenInHundredths(-5), "-0.05");
    EXPECT_EQ(writtenInHundredths(-100), "-1.00");
    EXPECT_EQ(writtenInHundredths(0), "0.00");
}

// The readings of a form loaded, started at `bias` and run for a minute,
// driven directly.
std::vector<Int16> readingsByHand(const std::string& bias) {
    Form1 form;
    form.Form_Load();
    form.Text4.Text = bias;
    form.Command1_Click();
    std::vector<Int16> readings;
    for (int tick = 1; tick <= kTimer1TicksPerMinute; ++tick) {
        form.Timer1_Timer();
        if (tick % kTimer1TicksPerReadout == 0) {
            form.Timer2_Timer();
            Int16 reading = 0;
            std::from_chars(form.Text7.Text.data(), form.Text7.Text.data() + form.Text7.Text.size(), reading);
            readings.push_back(reading);
        }
    }
    return readings;
}

TEST(IvSweep, EachRowIsAFreshFormAndTheCurrentRisesWithForwardBias) {
    const std::vector<std::string> biases{"-0.70", "0.30", "0.55"};
    const auto rows = runIvSweep(biases, 1, 2);
    ASSERT_EQ(rows.size(), 3U);
    EXPECT_EQ(rows[1].bias, "0.30");
    EXPECT_EQ(rows[1].readings, readingsByHand("0.30"));  // not the continuation of the row before
    EXPECT_EQ(rows[1].readings.size(), static_cast<std::size_t>(kReadoutsPerMinute));
    EXPECT_LT(meanInHundredths(rows[0].readings), meanInHundredths(rows[1].readings));
    EXPECT_LT(meanInHundredths(rows[1].readings), meanInHundredths(rows[2].readings));

    const auto oneByOne = runIvSweep(biases, 1, 1);
    for (std::size_t n = 0; n < rows.size(); ++n) {
        EXPECT_EQ(oneByOne[n].readings, rows[n].readings) << biases[n];
    }
}

// Notes the chart's marks by fill, and its texts.
class MarkCanvas : public picture::Canvas {
public:
    int filled = 0;
    int hollow = 0;
    std::vector<std::string> texts;

    void line(const LineItem&, const design::Pen&) override {}
    void rectangle(const design::TwipsRect&, const design::Colour*) override {}
    void ellipse(const design::TwipsRect&) override {}
    void dot(const DotItem&, int, design::Colour fill) override {
        ++(fill == design::kWhite ? hollow : filled);
    }
    void point(float, float, design::Colour) override {}
    double textWidth(std::string_view, const design::Font&) override { return 0; }
    void text(const design::TwipsRect&, std::string_view text, const design::Font&,
              picture::TextAlign) override {
        texts.emplace_back(text);
    }
};

bool hasText(const MarkCanvas& canvas, const std::string& text) {
    return std::find(canvas.texts.begin(), canvas.texts.end(), text) != canvas.texts.end();
}

TEST(IvChart, DrawsPartialReadingsHollowAndAlwaysTheNotice) {
    const std::string notice =
        "Attention\uff1a\u3000This is just for have an image of p-n junction. So, the current value is not "
        "correct.";
    MarkCanvas canvas;
    const std::vector<picture::IvPoint> points{
        {-0.7, -12, false}, {0.3, 107, true}, {0.55, 199, false}, {0.1, std::nan(""), false}};
    picture::drawIvChart(canvas, points, {0, 0, 9000, 6750});
    EXPECT_EQ(canvas.filled, 2);
    EXPECT_EQ(canvas.hollow, 1);
    EXPECT_TRUE(hasText(canvas, notice));
    EXPECT_TRUE(hasText(canvas, "Bias (V)"));
    EXPECT_TRUE(hasText(canvas, "0"));  // the current axis reaches zero

    MarkCanvas empty;
    picture::drawIvChart(empty, {}, {0, 0, 9000, 6750});
    EXPECT_EQ(empty.filled + empty.hollow, 0);
    EXPECT_TRUE(hasText(empty, notice));
}

TEST(SweepTool, PrintsARowPerBiasAndDrawsAMarkPerBias) {
    const std::string picture = ::testing::TempDir() + "sweep.svg";
    const ToolRun run = runTool("--sweep 0:0.5:0.25 --picture '" + picture + "' --minutes=1");
    EXPECT_EQ(run.status, 0) << run.err;
    const auto rows = runIvSweep({"0.00", "0.25", "0.50"}, 1);
    EXPECT_EQ(run.out, sweepCsv(rows));
    EXPECT_TRUE(run.out.starts_with("bias_v,current,readouts\n0.00,")) << run.out;
    EXPECT_NE(run.out.find("\n0.50,"), std::string::npos);
    EXPECT_NE(run.out.find(",6\n"), std::string::npos);

    const std::string svg = contents(picture);
    EXPECT_TRUE(svg.starts_with("<svg ")) << svg.substr(0, 100);
    EXPECT_NE(svg.find("width=\"600\" height=\"450\""), std::string::npos);
    std::size_t marks = 0;
    for (auto at = svg.find("<circle"); at != std::string::npos; at = svg.find("<circle", at + 1)) {
        ++marks;
    }
    EXPECT_EQ(marks, 3U);
}

TEST(SweepTool, RefusesARangeOrOptionItCannotUseWithStatus2) {
    for (const char* arguments :
         {"--sweep 0.1:0:0.1", "--sweep 0:0.5:0", "--sweep x", "--sweep", "--sweep=0:1", "--minutes 5",
          "--picture a.svg", "--sweep 0:0:1 --minutes 0", "--sweep 0:0:1 --minutes 61",
          "--sweep 0:0:1 --minutes 1.5", "--sweep 0:0:1 script.replay", "--sweep 0:20000:1",
          "--sweep 0:0:1 --picture=", "--sweep \"$(printf '0:0:1\\033')\"",
          "--sweep 0:0:1 --picture \"$(printf 'a\\001b.svg')\"",
          "--sweep 0:0:1 --picture \"$(printf 'a\\nb')\""}) {
        const ToolRun run = runTool(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
        EXPECT_TRUE(run.err.starts_with("kestrel-replay: ")) << arguments << ": " << run.err;
        EXPECT_EQ(run.err.find_first_of("\x01\x1b"), std::string::npos) << arguments << ": " << run.err;
    }
}

TEST(SweepTool, RefusesEachOptionGivenTwice) {
    for (const char* arguments :
         {"--sweep 0:0:1 --sweep 0.1:0.1:1", "--sweep=0:0:1 --sweep=0:0:1",
          "--sweep 0:0:1 --minutes 1 --minutes=2", "--sweep 0:0:1 --picture a --picture b"}) {
        const ToolRun run = runTool(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
        EXPECT_TRUE(
            std::regex_search(run.err, std::regex("^kestrel-replay: --[a-z]+ may be given only once\n")))
            << arguments << ": " << run.err;
    }
}

// A bias past a limit would run at the limit, and its row would show the
// limit's current under another bias; a sweep of hours would tie up the
// computer. Both are refused before anything runs.
TEST(SweepTool, RefusesBiasesPastTheBoxsLimitsAndSweepsBeyondItsBudget) {
    EXPECT_NO_THROW(readSweepRequest("-0.7:0.59:0.01", std::nullopt, std::nullopt));
    EXPECT_THROW(readSweepRequest("0.59:0.591:0.001", std::nullopt, std::nullopt), std::invalid_argument);
    EXPECT_THROW(readSweepRequest("-0.7001:-0.7:0.0001", std::nullopt, std::nullopt), std::invalid_argument);
    const ToolRun above = runTool("--sweep 0.5:1.0:0.1");
    EXPECT_EQ(above.status, 2);
    EXPECT_TRUE(above.err.starts_with(
        "kestrel-replay: the sweep's biases must lie from -0.7 to 0.59, the bias box's limits: "
        "\"0.5:1.0:0.1\" would run 0.6 to 1.0 all at 0.59\n"))
        << above.err;
    EXPECT_TRUE(
        runTool("--sweep -0.71:0:0.01")
            .err.starts_with("kestrel-replay: the sweep's biases must lie from -0.7 to 0.59, the bias "
                             "box's limits: \"-0.71:0:0.01\" would run -0.71 at -0.7\n"));

    EXPECT_NO_THROW(readSweepRequest("-0.5:0.49:0.01", "60", std::nullopt));  // 100 biases, 6000 bias-minutes
    EXPECT_THROW(readSweepRequest("-0.5:0.5:0.01", "60", std::nullopt), std::invalid_argument);
    const ToolRun tooMuch = runTool("--sweep -0.7:0.59:0.01 --minutes 60");
    EXPECT_EQ(tooMuch.status, 2);
    EXPECT_TRUE(
        tooMuch.err.starts_with("kestrel-replay: the sweep of 130 biases for 60 minutes each would "
                                "simulate 7800 bias-minutes; at most 6000 are allowed"))
        << tooMuch.err;
}

// Whether the picture can be written is known before the sweep runs: no
// CSV, and no minutes lost.
TEST(SweepTool, PictureItCannotWriteIsRefusedBeforeTheSweepRuns) {
    const std::string folder = ::testing::TempDir();
    for (const auto& [picture, reason] :
         {std::pair<std::string, std::string>{"/no/such/dir/iv.svg", "No such file or directory"},
          {folder, "Is a directory"}}) {
        const ToolRun run = runTool("--sweep 0:0:1 --minutes 1 --picture '" + picture + "'");
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "kestrel-replay: cannot write " + picture + ": " + reason + "\n");
    }
}

}  // namespace
}  // namespace kestrel
