#include <gtest/gtest.h>

#include "model/form1.h"

// One carrier's move, rule by rule, at bias 0 and 300 K: the conduction edge
// runs from 1920 (n side) up to 1200 (p side), the valence edge from 3120 to
// 2400, across the depletion region 4080..5160; the Fermi level is at 2160;
// one step is 60 twips. The draws are preset: the vertical step, the pull,
// the horizontal step.
namespace kestrel {
namespace {

constexpr float kBack = 0.0F;
constexpr float kStay = 0.5F;
constexpr float kForward = 0.9F;
constexpr float kStrongestPull = 1.0F - 0x1p-24F;

struct MoveCase {
    bool electron;
    DotItem from;
    float vertical;
    float horizontal;
    DotItem to;
    float pull = 0;
};

void PrintTo(const MoveCase& c, std::ostream* os) {
    *os << (c.electron ? "electron" : "hole") << " from (" << c.from.Left << ", " << c.from.Top << ')';
}

Form1 startedForm() {
    Form1 form;
    form.Form_Load();
    form.Command1_Click();
    return form;
}

// Moves the one live carrier of its kind from `from` and returns where it ends.
DotItem moved(Form1& form, bool electron, DotItem from, std::initializer_list<float> draws) {
    form.ElectronCount = form.HoleCount = 1;
    DotItem& dot = (electron ? form.Shape1 : form.Shape2)(1);
    dot = from;
    form.random().preset(draws);
    form.I = 1;
    electron ? form.MoveElectron() : form.MoveHole();
    return dot;
}

class Move : public ::testing::TestWithParam<MoveCase> {};

TEST_P(Move, EndsWhereItsRegionAllows) {
    const MoveCase& c = GetParam();
    Form1 form = startedForm();
    const DotItem to = moved(form, c.electron, c.from, {c.vertical, c.pull, c.horizontal});
    EXPECT_EQ(to.Left, c.to.Left);
    EXPECT_EQ(to.Top, c.to.Top);
}

INSTANTIATE_TEST_SUITE_P(Rules, Move,
                         ::testing::Values(
                             // Held on the conduction edge of each region (the region edges belong
                             // to the sides), never above y 0.
                             MoveCase{true, {3000, 1815}, kForward, kStay, {3000, 1815}},
                             MoveCase{true, {6000, 1095}, kForward, kStay, {6000, 1095}},
                             MoveCase{true, {4080, 1900}, kStay, kStay, {4080, 1815}},
                             MoveCase{true, {5160, 1095}, kStay, kStay, {5160, 1095}},
                             MoveCase{true, {3000, 30}, kBack, kStay, {3000, 0}},
                             // On the sloped edge, pushed toward the n side for sitting lower than
                             // 200 twips above the p-side edge; at 200 it is not.
                             MoveCase{true, {4620, 1455}, kForward, kStay, {4560, 1455}},
                             MoveCase{true, {4620, 1000}, kStay, kStay, {4620, 1000}},
                             MoveCase{true, {5159.5F, 1095}, kStay, kStay, {5099.5F, 1095}},
                             // The region before the horizontal step decides: stepping out of the
                             // depletion region is still pushed, stepping into it is not.
                             MoveCase{true, {5130, 1115}, kStay, kForward, {5130, 1115}},
                             MoveCase{true, {5190, 1095}, kStay, kBack, {5130, 1095}},
                             // Beyond the crystal's ends it is put back on them.
                             MoveCase{true, {1420, 1815}, kStay, kBack, {1400, 1815}},
                             MoveCase{true, {8130, 1095}, kStay, kForward, {8160, 1095}},
                             // The strongest pull moves an electron 867 twips above the Fermi level
                             // and a hole 759 below it 60 twips toward their edge; one twip nearer,
                             // neither. The pull comes before the confinement.
                             MoveCase{true, {3000, 1293}, kStay, kStay, {3000, 1353}, kStrongestPull},
                             MoveCase{true, {3000, 1294}, kStay, kStay, {3000, 1294}, kStrongestPull},
                             MoveCase{true, {6000, 1095}, kStay, kStay, {6000, 1095}, kStrongestPull},
                             MoveCase{false, {6000, 2919}, kStay, kStay, {6000, 2859}, kStrongestPull},
                             MoveCase{false, {6000, 2918}, kStay, kStay, {6000, 2918}, kStrongestPull},
                             // Held under the valence edge of each region, never below y 4500.
                             MoveCase{false, {3000, 3120}, kBack, kStay, {3000, 3120}},
                             MoveCase{false, {6000, 2400}, kBack, kStay, {6000, 2400}},
                             MoveCase{false, {3000, 4480}, kForward, kStay, {3000, 4500}},
                             // Pushed toward the p side for hanging above the n-side edge.
                             MoveCase{false, {4620, 2760}, kBack, kStay, {4680, 2760}},
                             MoveCase{false, {5160, 2400}, kStay, kStay, {5160, 2400}},
                             MoveCase{false, {5190, 2400}, kStay, kBack, {5130, 2400}},
                             MoveCase{false, {5130, 2420}, kStay, kBack, {5130, 2420}},
                             MoveCase{false, {8130, 2400}, kStay, kForward, {8160, 2400}}));

TEST(Move, TallyCountsTheHomeSideWithTheRegionEdgeOutside) {
    Form1 form = startedForm();
    form.Temperature = 0;  // nothing moves sideways
    const auto tally = [&form](bool electron, float left) {
        form.Tally = 0;
        moved(form, electron, {left, electron ? 1095.0F : 3500.0F}, {kStay, 0, kStay});
        return form.Tally;
    };
    EXPECT_EQ(tally(true, 5159.5F), 1);
    EXPECT_EQ(tally(true, 5160), 0);
    EXPECT_EQ(tally(false, 4080.5F), 1);
    EXPECT_EQ(tally(false, 4080), 0);
}

}  // namespace
}  // namespace kestrel
