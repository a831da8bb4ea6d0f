#include <gtest/gtest.h>

#include <initializer_list>

#include "core/form/form1.h"

// One carrier's move, rule by rule, at bias 0 and 300 K: the conduction edge
// runs from 1920 (n side) up to 1200 (p side), the valence edge from 3120 to
// 2400, across the depletion region 4080..5160; one step is 60 twips.
namespace kestrel {
namespace {

// Draws that steer a move: a random step back, none or forward, and a pull
// that cannot act.
constexpr float kBack = 0.0F;
constexpr float kStay = 0.5F;
constexpr float kForward = 0.9F;
constexpr float kNoPull = 0.0F;
constexpr float kLastDraw = 1.0F - 0x1p-24F;  // the strongest pull

Form1 startedForm(const char* fermiN = "0.8", const char* fermiP = "0.2") {
    Form1 form;
    form.Form_Load();
    form.Text2.Text = fermiN;
    form.Text3.Text = fermiP;
    form.Command1_Click();
    return form;
}

// Moves the one live carrier of its kind from (left, top) with the given
// vertical and horizontal draws, and returns where it ends.
DotItem moveElectron(Form1& form, DotItem from, float vertical, float horizontal, float pull = kNoPull) {
    form.ElectronCount = 1;
    form.Shape1(1) = from;
    form.random().preset({vertical, pull, horizontal});
    form.MoveElectron(1);
    return form.Shape1(1);
}

DotItem moveHole(Form1& form, DotItem from, float vertical, float horizontal, float pull = kNoPull) {
    form.HoleCount = 1;
    form.Shape2(1) = from;
    form.random().preset({vertical, pull, horizontal});
    form.MoveHole(1);
    return form.Shape2(1);
}

struct MoveCase {
    DotItem from;
    float vertical;
    float horizontal;
    DotItem to;
};

void PrintTo(const MoveCase& c, std::ostream* os) {
    *os << "from (" << c.from.Left << ", " << c.from.Top << ')';
}

class ElectronMove : public ::testing::TestWithParam<MoveCase> {};
class HoleMove : public ::testing::TestWithParam<MoveCase> {};

TEST_P(ElectronMove, EndsWhereItsRegionAllows) {
    Form1 form = startedForm();
    const MoveCase& c = GetParam();
    const DotItem to = moveElectron(form, c.from, c.vertical, c.horizontal);
    EXPECT_FLOAT_EQ(to.Left, c.to.Left);
    EXPECT_FLOAT_EQ(to.Top, c.to.Top);
    EXPECT_EQ(form.random().draws(), 200U + 3U);  // after the seeding draws
}

INSTANTIATE_TEST_SUITE_P(ConfinementAndPushes, ElectronMove,
                         ::testing::Values(
                             // Held on the conduction edge of each region, and never above y 0.
                             MoveCase{{3000, 1815}, kForward, kStay, {3000, 1815}},
                             MoveCase{{6000, 1095}, kForward, kStay, {6000, 1095}},
                             MoveCase{{3000, 30}, kBack, kStay, {3000, 0}},
                             // On the sloped edge, and pushed once toward the n side for sitting
                             // lower than 200 twips above the p-side edge; at 200 it is not.
                             MoveCase{{4620, 1455}, kForward, kStay, {4560, 1455}},
                             MoveCase{{4620, 1000}, kStay, kStay, {4620, 1000}},
                             // The region edges belong to the sides: no push at either.
                             MoveCase{{4080, 1815}, kStay, kStay, {4080, 1815}},
                             MoveCase{{5160, 1095}, kStay, kStay, {5160, 1095}},
                             MoveCase{{5159.5F, 1095}, kStay, kStay, {5099.5F, 1095}},
                             // The region before the horizontal step decides: stepping out of the
                             // depletion region is still pushed, stepping into it is not.
                             MoveCase{{5130, 1115}, kStay, kForward, {5130, 1115}},
                             MoveCase{{5190, 1095}, kStay, kBack, {5130, 1095}},
                             // Beyond the crystal's ends it is put back on them.
                             MoveCase{{1420, 1815}, kStay, kBack, {1400, 1815}},
                             MoveCase{{8130, 1095}, kStay, kForward, {8160, 1095}}));

TEST_P(HoleMove, EndsWhereItsRegionAllows) {
    Form1 form = startedForm();
    const MoveCase& c = GetParam();
    const DotItem to = moveHole(form, c.from, c.vertical, c.horizontal);
    EXPECT_FLOAT_EQ(to.Left, c.to.Left);
    EXPECT_FLOAT_EQ(to.Top, c.to.Top);
}

INSTANTIATE_TEST_SUITE_P(ConfinementAndPushes, HoleMove,
                         ::testing::Values(
                             // Held under the valence edge of each region, and never below y 4500.
                             MoveCase{{3000, 3120}, kBack, kStay, {3000, 3120}},
                             MoveCase{{6000, 2400}, kBack, kStay, {6000, 2400}},
                             MoveCase{{3000, 4480}, kForward, kStay, {3000, 4500}},
                             // On the sloped edge, pushed once toward the p side for hanging above
                             // the n-side edge.
                             MoveCase{{4620, 2760}, kBack, kStay, {4680, 2760}},
                             // At JunctionRight it is on the p side and not pushed.
                             MoveCase{{5160, 2400}, kStay, kStay, {5160, 2400}},
                             MoveCase{{5190, 2400}, kStay, kBack, {5130, 2400}},
                             MoveCase{{5130, 2420}, kStay, kBack, {5130, 2420}},
                             MoveCase{{8130, 2400}, kStay, kForward, {8160, 2400}}));

TEST(ElectronMove, BothBarrierPushesCanActInOneMove) {
    // With the Fermi levels swapped the conduction edge slopes down to the p
    // side (1920 to 2640), so a low electron right of where the edge meets
    // its height is pushed twice.
    Form1 form = startedForm("0.2", "0.8");
    ASSERT_EQ(form.EcYp, 2640);
    EXPECT_FLOAT_EQ(moveElectron(form, {5100, 2480}, kStay, kForward).Left, 5040);
    // Stepping back, it is left of where the edge meets its height: one push.
    EXPECT_FLOAT_EQ(moveElectron(form, {5100, 2480}, kStay, kBack).Left, 4980);
}

TEST(CarrierMove, FlatBandsSkipTheSecondPush) {
    // Equal Fermi levels leave both edges level across the region.
    Form1 form = startedForm("0.5", "0.5");
    ASSERT_EQ(form.EcYn, form.EcYp);
    ASSERT_EQ(form.EvYn, form.EvYp);
    EXPECT_FLOAT_EQ(moveElectron(form, {4620, 1815}, kStay, kStay).Left, 4560);
    EXPECT_FLOAT_EQ(moveHole(form, {4620, 3120}, kStay, kStay).Left, 4620);
}

TEST(CarrierMove, PullsTowardTheBandEdgeOnlyFarFromTheFermiLevel) {
    // The Fermi level is at y 2160 on both sides at bias 0. With the strongest
    // pull an electron 867 twips above it and a hole 759 below it move 60
    // twips toward their edge; one twip nearer, neither does.
    Form1 form = startedForm();
    const auto electronTop = [&form](DotItem from) {
        return moveElectron(form, from, kStay, kStay, kLastDraw).Top;
    };
    const auto holeTop = [&form](DotItem from) { return moveHole(form, from, kStay, kStay, kLastDraw).Top; };
    EXPECT_EQ(electronTop({3000, 1293}), 1353);
    EXPECT_EQ(electronTop({3000, 1294}), 1294);
    EXPECT_EQ(holeTop({6000, 2919}), 2859);
    EXPECT_EQ(holeTop({6000, 2918}), 2918);
    // The pull comes before the confinement: a dot on its edge stays there.
    EXPECT_EQ(electronTop({6000, 1095}), 1095);
}

struct DriftCase {
    float left;
    int binBelow;  // last tick's count in the bin left of the carrier's
    int binAbove;  // and in the bin right of it
    float expectedLeft;
};

class Drift : public ::testing::TestWithParam<DriftCase> {};

TEST_P(Drift, StepsAwayFromTheMoreCrowdedNeighbourExceptAtTheEnds) {
    const DriftCase& c = GetParam();
    for (const bool electron : {true, false}) {
        Form1 form = startedForm();
        BinArray& prev = electron ? form.ElectronBinsPrev : form.HoleBinsPrev;
        const int bin = static_cast<int>((c.left - 1400) / 338);
        prev(bin - 1 < 0 ? 0 : bin - 1) = static_cast<Int16>(c.binBelow);
        prev(bin + 1) = static_cast<Int16>(c.binAbove);
        const DotItem from{c.left, electron ? 1095.0F : 3500.0F};
        const DotItem to =
            electron ? moveElectron(form, from, kStay, kStay) : moveHole(form, from, kStay, kStay);
        EXPECT_FLOAT_EQ(to.Left, c.expectedLeft) << (electron ? "electron" : "hole");
        const BinArray& bins = electron ? form.ElectronBins : form.HoleBins;
        const int endBin = static_cast<int>((c.expectedLeft - 1400) / 338);
        EXPECT_EQ(bins(endBin), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Bins, Drift,
                         ::testing::Values(DriftCase{1800, 3, 1, 1860}, DriftCase{3200, 1, 3, 3140},
                                           DriftCase{3200, 2, 2, 3200},
                                           // Bins 0, 19 and 20 never drift.
                                           DriftCase{1500, 0, 5, 1500}, DriftCase{7850, 5, 0, 7850},
                                           DriftCase{8160, 5, 0, 8160}));

TEST(CarrierMove, HomeSideEndsAtTheRegionEdge) {
    Form1 form = startedForm();
    form.Temperature = 0;  // nothing moves sideways
    const auto electronHome = [&form](float left) {
        form.ElectronCount = 1;
        form.Shape1(1) = {left, 1095};
        form.random().preset({kStay, kNoPull, kStay});
        return form.MoveElectron(1);
    };
    const auto holeHome = [&form](float left) {
        form.HoleCount = 1;
        form.Shape2(1) = {left, 3500};
        form.random().preset({kStay, kNoPull, kStay});
        return form.MoveHole(1);
    };
    EXPECT_TRUE(electronHome(5159.5F));
    EXPECT_FALSE(electronHome(5160));
    EXPECT_TRUE(holeHome(4080.5F));
    EXPECT_FALSE(holeHome(4080));
}

}  // namespace
}  // namespace kestrel
