#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <utility>

#include "core/dump/form_dump.h"
#include "core/form/form1.h"
#include "core/numbers/run_time_error.h"

// The form's procedures: the junction set-up, the Fermi level, the bin
// roll, seeding, the buttons with their input errors, and the timers.
namespace kestrel {

// Readable failure messages.
inline void PrintTo(const LineItem& line, std::ostream* os) {
    *os << '(' << line.X1 << ", " << line.Y1 << ")-(" << line.X2 << ", " << line.Y2 << ')';
}

namespace {

Form1 loadedForm() {
    Form1 form;
    form.Form_Load();
    return form;
}

LineItem line(int x1, int y1, int x2, int y2) {
    return {static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2), static_cast<float>(y2)};
}

// JunctionRight, JunctionWidth, FermiYn, FermiYp, EvYp, EcYp.
using Geometry = std::array<int, 6>;

Geometry geometryOf(const Form1& f) {
    return {f.JunctionRight, f.JunctionWidth, f.FermiYn, f.FermiYp, f.EvYp, f.EcYp};
}

struct JunctionCase {
    const char* bias;       // typed into Text4
    const char* biasShown;  // Text4 after the set-up
    Geometry geometry;
};

void PrintTo(const JunctionCase& c, std::ostream* os) {
    *os << '"' << c.bias << '"';
}

class SetupJunctionTable : public ::testing::TestWithParam<JunctionCase> {};

TEST_P(SetupJunctionTable, BiasMovesThePSideAndTheDepletionEdge) {
    const JunctionCase& c = GetParam();
    Form1 form = loadedForm();
    form.CrossCount = 7;
    form.Text4.Text = c.bias;
    form.SetupJunction();
    EXPECT_EQ(form.Text4.Text, c.biasShown);
    EXPECT_EQ(geometryOf(form), c.geometry);
    EXPECT_EQ((std::array<int, 5>{form.CrossCount, form.Temperature, form.ElectronQuota, form.HoleQuota,
                                  form.GapHeight}),
              (std::array<int, 5>{0, 300, 80, 80, 1200}));

    const auto [right, width, fermiYn, fermiYp, evYp, ecYp] = c.geometry;
    const FormItems design;
    EXPECT_EQ(form.Line1, design.Line1);
    EXPECT_EQ(form.Line2, design.Line2);
    EXPECT_EQ(form.Line3, line(1440, fermiYn, 4080, fermiYn));
    EXPECT_EQ(form.Line8, line(right, fermiYp, 8160, fermiYp));
    EXPECT_EQ(form.Line4, line(right, ecYp, 8160, ecYp));
    EXPECT_EQ(form.Line5, line(right, evYp, 8160, evYp));
    EXPECT_EQ(form.Line9, line(4080, 1920, right, ecYp));
    EXPECT_EQ(form.Line10, line(4080, 3120, right, evYp));
}

INSTANTIATE_TEST_SUITE_P(
    DefaultFermiLevels, SetupJunctionTable,
    ::testing::Values(JunctionCase{"-2", "-0.7", {6000, 1920, 2160, 1320, 1560, 360}},
                      JunctionCase{"-0.7", "-0.7", {6000, 1920, 2160, 1320, 1560, 360}},
                      JunctionCase{"-0,70", "-0.7", {6000, 1920, 2160, 1320, 1560, 360}},
                      JunctionCase{"-0.5", "-0.5", {5760, 1680, 2160, 1560, 1800, 600}},
                      JunctionCase{"0", "0", {5160, 1080, 2160, 2160, 2400, 1200}},
                      JunctionCase{"0.00125", "0.00125", {5158, 1078, 2160, 2162, 2402, 1202}},
                      JunctionCase{"0.3", "0.3", {4800, 720, 2160, 2520, 2760, 1560}},
                      JunctionCase{"0.5", "0.5", {4560, 480, 2160, 2760, 3000, 1800}},
                      JunctionCase{" 0.590 ", "0.59", {4452, 372, 2160, 2868, 3108, 1908}},
                      JunctionCase{"0.6", "0.59", {4452, 372, 2160, 2868, 3108, 1908}}));

TEST(SetupJunction, EachLevelBuildsOnTheRoundedLevelBeforeIt) {
    // Every sum here is a tie (FermiYn 2158.5, FermiYp 2158 + 4.5, EvYp 2162 + 238.5, EcYp 2162 - 961.5);
    // built on the unrounded levels the p side would come out at 2163, 2402 and 1202.
    Form1 form = loadedForm();
    form.Text2.Text = "0.80125";
    form.Text3.Text = "0.19875";
    form.Text4.Text = "0.00375";
    form.SetupJunction();
    EXPECT_EQ(geometryOf(form), (Geometry{5156, 1076, 2158, 2162, 2400, 1200}));
}

TEST(SetupJunction, TemperatureGoesStraightToSixteenBitsWithTiesToEven) {
    for (const auto& [text, kelvin] : {std::pair{"300.5", 300}, {"301.5", 302}, {"-32768.5", -32768}}) {
        Form1 form = loadedForm();
        form.Text1.Text = text;
        form.SetupJunction();
        EXPECT_EQ(form.Temperature, kelvin) << text;
    }
}

TEST(FermiLevelAt, FlatOnEitherSideAndRoundedAcrossTheRegion) {
    Form1 form = loadedForm();
    form.Text4.Text = "0.3";  // FermiYn 2160, FermiYp 2520, region 4080..4800: slope 0.5
    form.SetupJunction();
    const std::pair<float, int> cases[] = {{4080, 2160}, {4800, 2520}, {1400, 2160},
                                           {8160, 2520}, {4100, 2170}, {4080.5F, 2160},
                                           {4441, 2340}, {4443, 2342}, {4799.75F, 2520}};
    for (const auto& [x, fermiY] : cases) {
        form.FermiYAtX = -1;
        EXPECT_EQ(form.FermiLevelAt(x), fermiY) << "x = " << x;
        EXPECT_EQ(form.FermiYAtX, fermiY) << "x = " << x;
    }
}

TEST(RollBins, HandsBinsZeroToTwentyOverAndLeavesTheRestAlone) {
    Form1 form = loadedForm();
    for (int i = 0; i <= 50; ++i) {
        form.ElectronBins(i) = form.HoleBins(i) = static_cast<Int16>(i + 1);
        form.ElectronBinsPrev(i) = form.HoleBinsPrev(i) = static_cast<Int16>(-i);
    }
    form.RollBins();
    for (int i = 0; i <= 50; ++i) {
        const bool rolled = i <= 20;
        EXPECT_EQ(form.ElectronBinsPrev(i), rolled ? i + 1 : -i) << i;
        EXPECT_EQ(form.HoleBinsPrev(i), rolled ? i + 1 : -i) << i;
        EXPECT_EQ(form.ElectronBins(i), rolled ? 0 : i + 1) << i;
        EXPECT_EQ(form.HoleBins(i), rolled ? 0 : i + 1) << i;
    }
}

TEST(Start, SeedsElectronsOverTheNSideAndHolesOverThePSideInDrawOrder) {
    // Per bias: the p side's left end (JunctionRight) and its valence edge (EvYp).
    const std::array<int, 2> zero{5160, 2400}, highest{4452, 3108}, lowest{6000, 1560};
    for (const auto& [bias, pSide] : {std::pair{"0", zero}, {"0.59", highest}, {"-0.7", lowest}}) {
        Form1 form = loadedForm();
        form.Text4.Text = bias;
        form.Command1_Click();
        EXPECT_EQ(form.ElectronCount + form.HoleCount, 160) << bias;
        EXPECT_TRUE(form.Timer1.Enabled);
        EXPECT_EQ(form.random().draws(), 200U);
        EXPECT_EQ(form.Shape1(0), kElectronDesignPlace);
        EXPECT_EQ(form.Shape2(0), kHoleDesignPlace);
        const auto [right, evYp] = pSide;
        RandomSource reference;  // electron 1, hole 1, electron 2, ...; each Left rounded to single once
        for (int i = 1; i <= kMostCarriers; ++i) {
            const double electronDraw = reference.draw();
            const double holeDraw = reference.draw();
            const DotItem& electron = form.Shape1(i);
            const DotItem& hole = form.Shape2(i);
            EXPECT_EQ(electron.Left, static_cast<float>(2680 * electronDraw + 1400)) << bias << ' ' << i;
            EXPECT_EQ(hole.Left, static_cast<float>((8160 - right) * holeDraw + right)) << bias << ' ' << i;
            EXPECT_EQ(electron.Top, i <= 80 ? 1815 : kParkedTop) << bias << ' ' << i;
            EXPECT_EQ(hole.Top, i <= 80 ? evYp : kParkedTop) << bias << ' ' << i;
        }
    }
}

TEST(Start, PressedAgainReseedsFromTheContinuingSourceWhileFreshFormsSeedAlike) {
    Form1 form = loadedForm();
    Form1 twin = loadedForm();
    form.Command1_Click();
    twin.Command1_Click();
    EXPECT_EQ(dumpForm(form), dumpForm(twin));
    form.ElectronCount = 3;
    form.Command1_Click();
    EXPECT_NE(form.Shape1, twin.Shape1);
    EXPECT_NE(form.Shape2, twin.Shape2);
    EXPECT_EQ(form.ElectronCount, 80);
    EXPECT_EQ(form.random().draws(), 400U);
}

TEST(Start, LiveCountsAreTheQuotasHeldWithinTheDotArrays) {
    // Fermi levels of the n and p sides; the quotas and live counts of electrons and holes.
    const std::pair<std::pair<const char*, const char*>, std::array<int, 4>> cases[] = {
        {{"1.5", "0.9"}, {192, -32, 100, 0}},
        {{"1.25", "0"}, {100, 60, 100, 60}},
        {{"0", "0"}, {0, 160, 0, 100}}};
    for (const auto& [fermi, expected] : cases) {
        Form1 form = loadedForm();
        form.Text2.Text = fermi.first;
        form.Text3.Text = fermi.second;
        form.Command1_Click();
        EXPECT_EQ(
            (std::array<int, 4>{form.ElectronQuota, form.HoleQuota, form.ElectronCount, form.HoleCount}),
            expected);
        for (int i = 1; i <= kMostCarriers; ++i) {
            EXPECT_EQ(form.Shape1(i).Top == kParkedTop, i > expected[2]) << fermi.first << ' ' << i;
            EXPECT_EQ(form.Shape2(i).Top == kParkedTop, i > expected[3]) << fermi.first << ' ' << i;
        }
    }
}

struct BadInput {
    TextBoxItem FormItems::*box;
    const char* text;
    const char* caption;
};

void PrintTo(const BadInput& c, std::ostream* os) {
    *os << c.caption << " \"" << c.text << '"';
}

class BadInputChangesNothing : public ::testing::TestWithParam<BadInput> {};

TEST_P(BadInputChangesNothing, StartAndRestartNameTheBoxAndQuoteItsText) {
    const BadInput& c = GetParam();
    for (void (Form1::*button)() : {&Form1::Command1_Click, &Form1::Command3_Click}) {
        Form1 form = loadedForm();
        form.Command1_Click();
        form.CrossCount = 5;
        form.Text4.Text = "0.6";  // a set-up that got under way would hold it to 0.59
        (form.*c.box).Text = c.text;
        const std::string before = dumpForm(form);
        try {
            (form.*button)();
            ADD_FAILURE() << '"' << c.text << "\" was taken";
        } catch (const RunTimeError& error) {
            const std::string message = error.what();
            EXPECT_EQ(error.kind(), ErrorKind::Input) << message;
            EXPECT_NE(message.find(c.caption), std::string::npos) << message;
            EXPECT_NE(message.find('"' + std::string(c.text) + '"'), std::string::npos) << message;
        }
        EXPECT_EQ(dumpForm(form), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Boxes, BadInputChangesNothing,
                         ::testing::Values(BadInput{&FormItems::Text4, "abc", "Bias (V)"},
                                           BadInput{&FormItems::Text4, "", "Bias (V)"},
                                           BadInput{&FormItems::Text1, "warm", "温度(K)"},
                                           BadInput{&FormItems::Text1, "40000", "温度(K)"},
                                           BadInput{&FormItems::Text1, "32767.5", "温度(K)"},
                                           BadInput{&FormItems::Text2, "0.8.0", "Fermi level (eV)"},
                                           BadInput{&FormItems::Text3, "1e3", "Fermi level (eV)"}));

TEST(Restart, MovesTheLinesButNoCarrierBeforeAndAfterStart) {
    Form1 form = loadedForm();
    form.Text4.Text = "0.3";
    form.Command3_Click();
    EXPECT_EQ(form.Line5, line(4800, 2760, 8160, 2760));
    EXPECT_FALSE(form.Timer1.Enabled);
    EXPECT_EQ(form.random().draws(), 0U);

    form.Command1_Click();
    const Form1 running = form;
    form.Text4.Text = "-0.5";
    form.Command3_Click();
    EXPECT_EQ(form.JunctionRight, 5760);
    EXPECT_EQ(form.Shape1, running.Shape1);
    EXPECT_EQ(form.Shape2, running.Shape2);
    EXPECT_TRUE(form.Timer1.Enabled);
}

TEST(Timers, ReadoutShowsTheNetCountAndMarkersHideOnTheirFirstTick) {
    Form1 form = loadedForm();
    for (const auto& [count, shown] : {std::pair{-3, "-3"}, {12, "12"}, {0, "0"}, {-32768, "-32768"}}) {
        form.CrossCount = static_cast<Int16>(count);
        form.Timer2_Timer();
        EXPECT_EQ(form.Text7.Text, shown);
        EXPECT_EQ(form.CrossCount, 0);
    }
    form.Line18.Visible = form.Line19.Visible = form.Timer3.Enabled = form.Timer4.Enabled = true;
    form.Timer3_Timer();
    EXPECT_FALSE(form.Line18.Visible || form.Timer3.Enabled);
    EXPECT_TRUE(form.Line19.Visible && form.Timer4.Enabled);
    form.Timer4_Timer();
    EXPECT_FALSE(form.Line19.Visible || form.Timer4.Enabled);

    form.Command2_Click();  // "Close"
    EXPECT_TRUE(form.ended());
    EXPECT_FALSE(form.Timer1.Enabled || form.Timer2.Enabled);
}

}  // namespace
}  // namespace kestrel
