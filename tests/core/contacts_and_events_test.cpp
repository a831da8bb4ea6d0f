#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "core/form/form1.h"

// The contacts, the strip chart, pair generation and recombination, at bias 0
// and 300 K (conduction edge 1920 | 1200, valence edge 3120 | 2400, depletion
// region 4080..5160, quotas 80).
namespace kestrel {
namespace {

constexpr float kLastDraw = 1.0F - 0x1p-24F;  // the largest draw below 1

Form1 startedForm() {
    Form1 form;
    form.Form_Load();
    form.Command1_Click();
    return form;
}

struct ContactCase {
    int tally;
    int count;
    int quota;
    int countAfter;
};

class Contacts : public ::testing::TestWithParam<ContactCase> {};

TEST_P(Contacts, InjectBelowTheQuotaAndUnder99ElseWithdraw) {
    const ContactCase& c = GetParam();
    for (const bool electron : {true, false}) {
        Form1 form = startedForm();
        Int16& count = electron ? form.ElectronCount : form.HoleCount;
        DotArray& dots = electron ? form.Shape1 : form.Shape2;
        (electron ? form.ElectronQuota : form.HoleQuota) = static_cast<Int16>(c.quota);
        count = static_cast<Int16>(c.count);
        form.CrossCount = 5;
        const DotItem last = dots(c.count);
        const auto onHomeSide = static_cast<Int16>(c.tally);
        electron ? form.ElectronContact(onHomeSide) : form.HoleContact(onHomeSide);

        EXPECT_EQ(count, c.countAfter);
        const bool injected = c.countAfter > c.count;
        EXPECT_EQ(form.CrossCount, injected ? 6 : 4);
        EXPECT_EQ(form.random().draws(), injected ? 202U : 200U);
        if (!injected) {
            EXPECT_EQ(dots(c.count).Left, last.Left) << "a withdrawn carrier keeps its Left";
            EXPECT_EQ(dots(c.count).Top, kParkedTop);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Thresholds, Contacts,
                         ::testing::Values(ContactCase{80, 50, 80, 49}, ContactCase{79, 50, 80, 51},
                                           ContactCase{10, 99, 80, 98}, ContactCase{10, 98, 80, 99},
                                           ContactCase{0, 99, 150, 98}));

TEST(Contacts, WithNothingLeftToWithdrawNothingChanges) {
    Form1 form = startedForm();
    form.ElectronQuota = 0;
    form.HoleQuota = 0;
    form.ElectronCount = 0;
    form.HoleCount = 0;
    form.CrossCount = 3;
    const FormItems before = form;
    form.ElectronContact(0);
    form.HoleContact(0);
    EXPECT_EQ(form.ElectronCount, 0);
    EXPECT_EQ(form.HoleCount, 0);
    EXPECT_EQ(form.CrossCount, 3);
    EXPECT_EQ(form.Shape1, before.Shape1);
    EXPECT_EQ(form.Shape2, before.Shape2);
}

TEST(Contacts, NewCarriersStartNearTheirContactOnTheirBandEdge) {
    Form1 form = startedForm();
    const auto inject = [&form](float r1, float r2) {
        form.ElectronCount = 10;
        form.HoleCount = 10;
        form.random().preset({r1, r2, r1, r2});
        form.ElectronContact(0);
        form.HoleContact(0);
        return std::pair{form.Shape1(11), form.Shape2(11)};
    };
    // The first draw places the carrier along the crystal, the second above
    // or below its edge; each value is rounded once, to a single, when
    // written: 1815 - 799.99995 is 1015.0000477, and 1815 - 404.799986 (for
    // a draw of 0.506) is 1410.2000141.
    const auto [upElectron, downHole] = inject(0, kLastDraw);
    EXPECT_EQ(upElectron, (DotItem{1400, 1015.00006F}));
    EXPECT_EQ(downHole, (DotItem{8160, 3200}));
    const auto [farElectron, farHole] = inject(kLastDraw, 0);
    EXPECT_EQ(farElectron, (DotItem{1900, 1815}));
    EXPECT_EQ(farHole, (DotItem{7660, 2400}));
    EXPECT_EQ(inject(0, 0.506F).first.Top, 1410.20007F);
}

TEST(Chart, PlotsTheCountAndClearsAfterTheLastPointOfASweep) {
    Form1 form = startedForm();
    form.ElectronCount = 0;
    form.PlotChartPoint();
    form.ElectronCount = 100;
    form.PlotChartPoint();
    EXPECT_EQ(form.Picture1.points, (std::vector<ChartPoint>{{0, 1380, 0}, {2, -20, 0}}));

    form.ChartX = 2658;
    form.PlotChartPoint();
    EXPECT_EQ(form.ChartX, 2660);
    EXPECT_EQ(form.Picture1.points.size(), 3U);
    form.PlotChartPoint();
    EXPECT_TRUE(form.Picture1.points.empty());
    EXPECT_EQ(form.ChartX, 0);
    form.PlotChartPoint();
    EXPECT_EQ(form.Picture1.points, (std::vector<ChartPoint>{{0, -20, 0}}));
}

TEST(GeneratePair, ChanceIsThreeThousandTimesTheDrawAgainstTheTemperature) {
    Form1 form = startedForm();
    const auto generates = [&form](int temperature, float r) {
        form.Temperature = static_cast<Int16>(temperature);
        form.ElectronCount = 50;
        form.random().preset({r});
        const auto drawsBefore = form.random().draws();
        form.GeneratePair();
        const bool pair = form.ElectronCount == 51;
        EXPECT_EQ(form.random().draws() - drawsBefore, pair ? 2U : 1U);
        return pair;
    };
    EXPECT_TRUE(generates(300, 0.1F));  // 300.0000045 rounds to 300 as a single
    EXPECT_FALSE(generates(300, std::nextafter(0.1F, 1.0F)));
    EXPECT_TRUE(generates(0, 0));
    EXPECT_FALSE(generates(0, 0x1p-24F));
    EXPECT_FALSE(generates(-1, 0));
    EXPECT_TRUE(generates(3000, kLastDraw));
}

struct PairCase {
    float draw;  // r2, placing the pair
    float x;
    DotItem electron;
    DotItem hole;
    float gapTop;
    int crossCountChange;
};

class GeneratePairAt : public ::testing::TestWithParam<PairCase> {};

TEST_P(GeneratePairAt, PlacesBothDotsAndTheMarkerOnTheBandEdges) {
    const PairCase& c = GetParam();
    Form1 form = startedForm();
    form.ElectronCount = 81;
    form.HoleCount = 79;
    form.CrossCount = 0;
    form.random().preset({0, c.draw});
    form.GeneratePair();

    EXPECT_EQ(form.random().draws(), 200U + 2U);  // after the seeding draws
    EXPECT_EQ(form.Shape1(82), c.electron);
    EXPECT_EQ(form.Shape2(80), c.hole);
    EXPECT_EQ(form.Line18, (LineItem{c.x, c.gapTop, c.x, c.hole.Top, true}));
    EXPECT_TRUE(form.Timer3.Enabled);
    EXPECT_EQ(form.CrossCount, c.crossCountChange);
    EXPECT_EQ(form.Text5.Text, "82");
    EXPECT_EQ(form.Text6.Text, "80");
}

INSTANTIATE_TEST_SUITE_P(Regions, GeneratePairAt,
                         ::testing::Values(PairCase{0.47633135F, 4620, {4620, 1455}, {4620, 2760}, 1560, 0},
                                           PairCase{0.23668639F, 3000, {3000, 1815}, {3000, 3120}, 1920, 1},
                                           PairCase{0.68047339F, 6000, {6000, 1095}, {6000, 2400}, 1200, 1}));

// Ten electrons and ten holes in a row, 1000 twips apart, electron n above
// hole n; a quota that allows exactly `trials` trials.
Form1 pairedForm(int trials) {
    Form1 form = startedForm();
    form.ElectronCount = 10;
    form.HoleCount = 10;
    form.ElectronQuota = static_cast<Int16>(10 + 10 - trials + 1);
    for (int n = 1; n <= 10; ++n) {
        form.Shape1(n) = {static_cast<float>(1000 * n), static_cast<float>(100 + n)};
        form.Shape2(n) = {static_cast<float>(1000 * n), static_cast<float>(3000 + n)};
    }
    return form;
}

// The draw that picks slot `slot` of ten.
float slot(int n) {
    return (static_cast<float>(n) - 0.5F) / 10;
}

TEST(RecombinePair, MakesOneTrialPerElectronAboveTheQuotaPlusEleven) {
    for (const auto& [electrons, draws] : {std::pair{80, 22U}, {70, 2U}, {69, 0U}}) {
        Form1 form = startedForm();
        form.ElectronCount = static_cast<Int16>(electrons);
        form.HoleCount = 0;  // every trial ends after its draws
        const auto before = form.random().draws();
        form.RecombinePair();
        EXPECT_EQ(form.random().draws() - before, draws) << electrons << " electrons";
    }
}

TEST(RecombinePair, ClosePairVanishesAndTheLastCarriersFillTheSlots) {
    Form1 form = pairedForm(1);
    form.Shape2(5).Left = 3000 + 199.9F;
    form.random().preset({slot(3), slot(5)});
    form.RecombinePair();

    EXPECT_EQ(form.ElectronCount, 9);
    EXPECT_EQ(form.HoleCount, 9);
    EXPECT_EQ(form.Shape1(3), (DotItem{10000, 110}));
    EXPECT_EQ(form.Shape2(5), (DotItem{10000, 3010}));
    EXPECT_EQ(form.Shape1(10), (DotItem{10000, kParkedTop}));
    EXPECT_EQ(form.Shape2(10), (DotItem{10000, kParkedTop}));
    EXPECT_EQ(form.Line19, (LineItem{3000, 1920, 3000, 3120, true}));
    EXPECT_TRUE(form.Timer4.Enabled);
}

TEST(RecombinePair, OnlyTheHorizontalDistanceCountsAndTwoHundredIsTooFar) {
    Form1 far = pairedForm(1);
    far.Shape2(5).Left = 3200;
    far.random().preset({slot(3), slot(5)});
    far.RecombinePair();
    EXPECT_EQ(far.ElectronCount, 10);

    Form1 below = pairedForm(1);  // electron 4 right above hole 4
    below.random().preset({slot(4), slot(4)});
    below.RecombinePair();
    EXPECT_EQ(below.ElectronCount, 9);
    EXPECT_EQ(below.Shape1(4), (DotItem{10000, 110}));
}

TEST(RecombinePair, LastCarrierIsParkedAndTheMarkerShowsTheLatestPair) {
    Form1 form = pairedForm(2);
    form.Shape1(10).Left = 4620;
    form.Shape2(10).Left = 4620;
    // First trial: slot 2 with slot 2; second: the last electron with the
    // last hole, after the first pair has shrunk the counts to 9.
    form.random().preset({slot(2), slot(2), kLastDraw, kLastDraw});
    form.RecombinePair();

    EXPECT_EQ(form.ElectronCount, 8);
    EXPECT_EQ(form.HoleCount, 8);
    EXPECT_EQ(form.Shape1(2), (DotItem{4620, 110}));  // took over slot 10 first
    EXPECT_EQ(form.Shape1(9), (DotItem{9000, kParkedTop}));
    EXPECT_EQ(form.Line19, (LineItem{9000, 1200, 9000, 2400, true}));
}

TEST(RecombinePair, MarkerFollowsTheSlopedEdgesInsideTheRegion) {
    for (const auto& [x, top, bottom] : {std::tuple{4620.0F, 1560.0F, 2760.0F},
                                         // The valence edge stays a double until each end is
                                         // rounded: 3119.3333 - 1200 and 3119.3333.
                                         std::tuple{4081.0F, 1919.33337F, 3119.33325F}}) {
        Form1 form = pairedForm(1);
        form.Shape1(3).Left = x;
        form.Shape2(3).Left = x;
        form.random().preset({slot(3), slot(3)});
        form.RecombinePair();
        EXPECT_EQ(form.Line19, (LineItem{x, top, x, bottom, true}));
    }
}

TEST(Step, MovesThenContactsThenGeneratesBeforeRecombining) {
    // One electron and one hole, both below their quota of 2, at 3000 K: each
    // moves (3 draws) and its contact injects (2 draws); a pair is generated
    // (2 draws); then 3 electrons against the quota give 12 recombination
    // trials (2 draws each).
    Form1 form = startedForm();
    form.ElectronCount = 1;
    form.HoleCount = 1;
    form.Shape1(1) = {2000, 1815};
    form.Shape2(1) = {7000, 2400};
    form.ElectronQuota = 2;
    form.HoleQuota = 2;
    form.Temperature = 3000;
    const auto before = form.random().draws();
    form.Timer1_Timer();
    EXPECT_EQ(form.random().draws() - before, 3U + 2U + 3U + 2U + 2U + 12U * 2U);
    EXPECT_EQ(form.Picture1.points.size(), 1U);
}

}  // namespace
}  // namespace kestrel
