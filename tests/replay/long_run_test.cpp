#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "carrier_invariants.h"
#include "replay_engine.h"

// Long runs of the animation through the replay engine, with the readout and
// marker timers ticking in between, checking after every step what must
// always hold for the carriers.
namespace kestrel {
namespace {

struct RunCase {
    const char* bias;
    const char* temperature;
    int ticks = 100000;
    // Fermi levels other than the window's fixed ones reach quotas of 0 and
    // flat band edges.
    const char* fermiN = "0.8";
    const char* fermiP = "0.2";
};

void PrintTo(const RunCase& c, std::ostream* os) {
    *os << "bias " << c.bias << " V, " << c.temperature << " K, Fermi levels " << c.fermiN << " and "
        << c.fermiP;
}

class LongRun : public ::testing::TestWithParam<RunCase> {};

TEST_P(LongRun, CarriersKeepToTheirSlotsAndTheCrystal) {
    std::ostringstream out;
    std::ostringstream err;
    ReplayEngine engine(out, err);
    const RunCase& c = GetParam();
    ASSERT_FALSE(engine.runLine(std::string("type Text4 ") + c.bias, 1));
    ASSERT_FALSE(engine.runLine(std::string("type Text1 ") + c.temperature, 2));
    ASSERT_FALSE(engine.runLine(std::string("type Text2 ") + c.fermiN, 3));
    ASSERT_FALSE(engine.runLine(std::string("type Text3 ") + c.fermiP, 4));
    ASSERT_FALSE(engine.runLine("click Command1", 5));

    for (int tick = 1; tick <= c.ticks; ++tick) {
        ASSERT_FALSE(engine.runLine("tick Timer1", tick)) << err.str();
        if (tick % 4 == 0) {
            engine.runLine("tick Timer3", tick);
            engine.runLine("tick Timer4", tick);
        }
        if (tick % 200 == 0) {
            engine.runLine("tick Timer2", tick);
        }
        const std::string broken = brokenInvariant(engine.form());
        ASSERT_EQ(broken, "") << "after tick " << tick;
    }
    EXPECT_EQ(err.str(), "");
}

INSTANTIATE_TEST_SUITE_P(BiasesAndTemperatures, LongRun,
                         ::testing::Values(RunCase{"-0.7", "0"}, RunCase{"-0.7", "300"},
                                           RunCase{"-0.7", "3000"}, RunCase{"0", "0"}, RunCase{"0", "300"},
                                           RunCase{"0", "3000"}, RunCase{"0.59", "0"}, RunCase{"0.59", "300"},
                                           RunCase{"0.59", "3000"}));

INSTANTIATE_TEST_SUITE_P(OtherFermiLevels, LongRun,
                         ::testing::Values(RunCase{"0", "300", 20000, "0", "0"},      // no electrons wanted
                                           RunCase{"0", "300", 20000, "1", "1"},      // no holes wanted
                                           RunCase{"0", "300", 20000, "0.5", "0.5"},  // flat bands
                                           RunCase{"0.3", "3000", 20000, "0.2", "0.8"}));

}  // namespace
}  // namespace kestrel
