#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

#include "replay_engine.h"

// Every launch replays the same run, on every machine and with every
// compiler. These runs were checked number for number against a separate
// model of the animation; their dumps are pinned by a hash, so any drift in
// a rule, a rounding, a compiler flag or the order of draws shows here.
namespace kestrel {
namespace {

// FNV-1a, 64 bits: the same value everywhere, unlike std::hash.
std::uint64_t fingerprint(const std::string& text) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
    }
    return hash;
}

std::string replayed(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(replayScript(in, out, err), 0) << err.str();
    return out.str();
}

// The scripts are files in tests/replay/golden, so that other builds of the
// replay tool (WebAssembly) can be held to the same runs.
std::string goldenScript(const std::string& name) {
    std::ifstream file(std::string(KESTREL_GOLDEN_DIR) + "/" + name + ".replay", std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    EXPECT_TRUE(file) << "cannot read the golden script " << name;
    return text.str();
}

struct GoldenRun {
    const char* name;  // the script's file name, without .replay
    std::uint64_t hash;
};

void PrintTo(const GoldenRun& run, std::ostream* os) {
    *os << run.name;
}

class Golden : public ::testing::TestWithParam<GoldenRun> {};

TEST_P(Golden, RunComesOutTheSameEverywhere) {
    const std::string dumps = replayed(goldenScript(GetParam().name));
    ASSERT_FALSE(dumps.empty());
    EXPECT_EQ(fingerprint(dumps), GetParam().hash) << "last dump: " << dumps.substr(dumps.rfind('{'));
}

INSTANTIATE_TEST_SUITE_P(
    Runs, Golden,
    ::testing::Values(GoldenRun{"default-inputs", 17723922281460857630ULL},
                      GoldenRun{"uneven-steps-restart-and-timers", 562107882122436686ULL},
                      // Pinned as this build writes them; the two runs
                      // above were checked against the separate model.
                      GoldenRun{"designed-form", 13623448527155384203ULL},
                      GoldenRun{"other-fermi-levels", 13640866088468837606ULL},
                      GoldenRun{"setups-at-the-limits", 13783590901209363597ULL},
                      GoldenRun{"disabled-timers-and-bad-texts", 3489062770133946128ULL}));

}  // namespace
}  // namespace kestrel
