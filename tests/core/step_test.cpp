#include <gtest/gtest.h>

#include <cmath>

#include "core/form/form1.h"

// The rules of a step at thresholds a run seldom meets exactly, at bias 0 and
// 300 K with 80 carriers of each kind: the conduction edge runs from 1920 (n
// side) up to 1200 (p side), the valence edge from 3120 to 2400, across the
// depletion region 4080..5160; the Fermi level is at 2160; one step is 60
// twips. The draws are preset. The golden runs pin the rest.
namespace kestrel {
namespace {

constexpr float kBack = 0.0F;
constexpr float kStay = 0.5F;
constexpr float kForward = 0.9F;
constexpr float kStrongestPull = 1.0F - 0x1p-24F;

Form1 startedForm() {
    Form1 form;
    form.Form_Load();
    form.Command1_Click();
    return form;
}

// Moves the one live carrier of its kind from `from` with the draws for the
// vertical step, the pull and the horizontal step; returns where it ends.
DotItem moved(Form1& form, bool electron, DotItem from, std::initializer_list<float> draws) {
    form.ElectronCount = form.HoleCount = 1;
    DotItem& dot = (electron ? form.Shape1 : form.Shape2)(1);
    dot = from;
    form.random().preset(draws);
    electron ? form.MoveElectron(1) : form.MoveHole(1);
    return dot;
}

struct MoveCase {
    bool electron;
    DotItem from;
    float vertical;
    float horizontal;
    DotItem to;
    float pull = 0;
};

TEST(Move, EndsWhereItsRegionAllows) {
    const MoveCase cases[] = {
        // The region edges belong to the sides: held on the n-side edge at
        // 4080, not pushed at 5160; never above y 0.
        {true, {4080, 1900}, kStay, kStay, {4080, 1815}},
        {true, {5160, 1095}, kStay, kStay, {5160, 1095}},
        {true, {3000, 30}, kBack, kStay, {3000, 0}},
        // Inside the region, pushed toward the n side for sitting lower than
        // 200 twips above the p-side edge; at 200 it is not.
        {true, {5159.5F, 1095}, kStay, kStay, {5099.5F, 1095}},
        {true, {4620, 1000}, kStay, kStay, {4620, 1000}},
        // The region before the horizontal step decides: stepping out of the
        // depletion region is still pushed, stepping into it is not.
        {true, {5130, 1115}, kStay, kForward, {5130, 1115}},
        {true, {5190, 1095}, kStay, kBack, {5130, 1095}},
        {false, {5130, 2420}, kStay, kBack, {5130, 2420}},
        // The strongest pull moves an electron 867 twips above the Fermi level
        // and a hole 759 below it 60 twips toward their edge; one twip nearer,
        // neither.
        {true, {3000, 1293}, kStay, kStay, {3000, 1353}, kStrongestPull},
        {true, {3000, 1294}, kStay, kStay, {3000, 1294}, kStrongestPull},
        {false, {6000, 2919}, kStay, kStay, {6000, 2859}, kStrongestPull},
        {false, {6000, 2918}, kStay, kStay, {6000, 2918}, kStrongestPull},
        // Never below y 4500; pushed toward the p side for hanging above the
        // n-side edge.
        {false, {3000, 4480}, kForward, kStay, {3000, 4500}},
        {false, {4620, 2760}, kBack, kStay, {4680, 2760}},
        {false, {8130, 2400}, kStay, kForward, {8160, 2400}},
    };
    for (const MoveCase& c : cases) {
        Form1 form = startedForm();
        const DotItem to = moved(form, c.electron, c.from, {c.vertical, c.pull, c.horizontal});
        EXPECT_TRUE(to == c.to) << (c.electron ? "electron" : "hole") << " from " << c.from.Left << ", "
                                << c.from.Top << " ends at " << to.Left << ", " << to.Top;
    }
}

// A carrier is home on its own side of the depletion region: an electron
// left of its right edge, a hole right of its left edge. One that ends
// exactly on that edge is not home, and the contact counts it as gone.
TEST(Move, HomeEndsAtTheFarEdgeOfTheDepletionRegion) {
    struct HomeCase {
        bool electron;
        DotItem from;
        bool home;
    };
    const HomeCase cases[] = {
        {true, {5160, 1095}, false},
        {true, {5159, 1000}, true},
        {false, {4080, 3120}, false},
        {false, {4081, 3320}, true},
    };
    for (const HomeCase& c : cases) {
        Form1 form = startedForm();
        form.ElectronCount = form.HoleCount = 1;
        DotItem& dot = (c.electron ? form.Shape1 : form.Shape2)(1);
        dot = c.from;
        form.random().preset({kStay, 0, kStay});
        const bool home = c.electron ? form.MoveElectron(1) : form.MoveHole(1);
        EXPECT_EQ(dot.Left, c.from.Left) << "the case must end where it started";
        EXPECT_EQ(home, c.home) << (c.electron ? "electron" : "hole") << " at " << c.from.Left;
    }
}

TEST(GeneratePair, ChanceIsThreeThousandTimesTheDrawAgainstTheTemperature) {
    Form1 form = startedForm();
    const auto generates = [&form](int temperature, float r) {
        form.Temperature = static_cast<Int16>(temperature);
        form.ElectronCount = 50;
        form.random().preset({r});
        form.GeneratePair();
        return form.ElectronCount == 51;
    };
    EXPECT_TRUE(generates(300, 0.1F));  // 300.0000045 rounds to 300 as a single
    EXPECT_FALSE(generates(300, std::nextafter(0.1F, 1.0F)));
    EXPECT_TRUE(generates(0, 0));
    EXPECT_FALSE(generates(0, 0x1p-24F));
    EXPECT_FALSE(generates(-1, 0));
}

TEST(RecombinePair, OnlyPairsCloserThan200TwipsAndNeverWithoutHoles) {
    const auto recombines = [](float holeLeft, Int16 holes) {
        Form1 form = startedForm();
        form.ElectronQuota = 90;  // one trial
        form.HoleCount = holes;
        form.Shape1(1) = {3000, 1815};
        form.Shape2(1) = {holeLeft, 3120};
        form.random().preset({0, 0});  // electron 1 and hole 1
        form.RecombinePair();
        return form.ElectronCount == 79;
    };
    EXPECT_TRUE(recombines(3199.9F, 80) && recombines(2800.1F, 80));
    EXPECT_FALSE(recombines(3200, 80) || recombines(3000, 0));
}

}  // namespace
}  // namespace kestrel
