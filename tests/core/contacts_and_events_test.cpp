#include <gtest/gtest.h>

#include <cmath>

#include "model/form1.h"

// The contacts and the pair events at their thresholds, at bias 0 and 300 K
// with 80 carriers of each kind.
namespace kestrel {
namespace {

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

TEST_P(Contacts, InjectBelowTheQuotaAndUnder99ElseWithdrawTheLast) {
    const ContactCase& c = GetParam();
    for (const bool electron : {true, false}) {
        Form1 form = startedForm();
        Int16& count = electron ? form.ElectronCount : form.HoleCount;
        const DotArray& dots = electron ? form.Shape1 : form.Shape2;
        (electron ? form.ElectronQuota : form.HoleQuota) = static_cast<Int16>(c.quota);
        count = static_cast<Int16>(c.count);
        form.Tally = static_cast<Int16>(c.tally);
        form.CrossCount = 5;
        electron ? form.ElectronContact() : form.HoleContact();

        EXPECT_EQ(count, c.countAfter) << (electron ? "electron" : "hole");
        EXPECT_EQ(form.CrossCount, 5 + c.countAfter - c.count);
        if (c.countAfter < c.count) {
            EXPECT_EQ(dots(c.count).Top, kParkedTop);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Thresholds, Contacts,
                         ::testing::Values(ContactCase{80, 50, 80, 49}, ContactCase{79, 50, 80, 51},
                                           ContactCase{10, 99, 80, 98}, ContactCase{10, 98, 80, 99},
                                           ContactCase{0, 99, 150, 98}, ContactCase{5, 1, 0, 0},
                                           ContactCase{0, 0, 0, 0}));

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
    EXPECT_TRUE(recombines(3199.9F, 80));
    EXPECT_TRUE(recombines(2800.1F, 80));
    EXPECT_FALSE(recombines(3200, 80));
    EXPECT_FALSE(recombines(3000, 0));
}

}  // namespace
}  // namespace kestrel
