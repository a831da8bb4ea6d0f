#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "checked_replay.h"

// A long classroom session compressed into one run: 250 000 ticks with a
// reproducible random mix of what users do in between — typing biases inside
// and beyond the usual range, temperatures from 0 to 3000 K, Fermi levels
// other than the window's (Text2 and Text3, which scripts may type) and texts
// that are not numbers, pressing "Start" and "Restart" — and the readout and
// marker timers firing, with every promise of CheckedReplay checked after
// every event. A failed session is written into the build folder for
// kestrel-replay, and the failure names it; KESTREL_SOAK_SEED picks another
// session.
namespace kestrel {
namespace {

// The invariants catch the faults of scripts/mutants.txt they can see within
// the first 6 000 ticks; the rest of the session looks for rarer ones.
constexpr long kSoakTicks = 250'000;

const char* const kNotNumbers[] = {"", "abc", "1e3", "0x10", "1.2.3", "--1", "+", "1 2", "５", "0.3V"};
constexpr int kKindsOfNotNumbers = static_cast<int>(std::size(kNotNumbers));

TEST(Soak, RandomUseKeepsEveryPromise) {
    const char* seedText = std::getenv("KESTREL_SOAK_SEED");
    const unsigned seed = seedText != nullptr ? std::strtoul(seedText, nullptr, 10) : 20261206U;
    std::mt19937 choices(seed);
    const auto number = [&choices](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(choices);
    };
    // value / scale with three decimals, now and then with a comma.
    const auto decimal = [&number](int value, int scale) {
        std::string text = std::to_string(static_cast<double>(value) / scale);
        text.resize(text.find('.') + 4);
        text[text.find('.')] = number(0, 6) == 0 ? ',' : '.';
        return text;
    };

    CheckedReplay replay;
    std::string problem;
    const auto run = [&](const std::string& line) {
        problem = replay.run(line, 0);
        if (problem.empty() && replay.status()) {
            problem = line + " stopped the replay with status " + std::to_string(*replay.status());
        }
    };

    long ticks = 0;
    run("click Command1");
    while (problem.empty() && ticks < kSoakTicks) {
        const int roll = number(0, 999);
        if (roll < 900) {
            for (int burst = number(1, 40); burst > 0 && problem.empty(); --burst, ++ticks) {
                run("tick Timer1");
            }
        } else if (roll < 950) {
            run(roll < 920 ? "tick Timer3" : roll < 940 ? "tick Timer4" : "tick Timer2");
        } else if (roll < 965) {
            run("type Text4 " + decimal(number(0, 3) == 0 ? number(-3000, 3000) : number(-700, 590), 1000));
        } else if (roll < 975) {
            const int kelvin = number(0, 4) == 0 ? 3000 * number(0, 1) : number(0, 3000);
            run("type Text1 " + std::to_string(kelvin) + (kelvin % 5 == 0 ? ".5" : ""));
        } else if (roll < 980) {
            // In tenths of an eV from 0 to 1, the n side's 0.2 to 0.8 above
            // the p side's: levels the invariants hold for.
            const int gap = number(2, 8);
            const int fermiP = number(0, 10 - gap);
            run("type Text2 " + decimal(fermiP + gap, 10));
            run("type Text3 " + decimal(fermiP, 10));
        } else if (roll < 984) {
            // Not numbers, or for the temperature not a 16-bit one.
            const int box = number(1, 4);
            run("type Text" + std::to_string(box) + " " +
                (box == 1 && roll % 2 == 0 ? "40000" : kNotNumbers[number(0, kKindsOfNotNumbers - 1)]));
        } else {
            run(roll < 992 ? "click Command1" : "click Command3");  // "Start" or "Restart"
        }
    }
    if (!problem.empty()) {
        std::ofstream(KESTREL_SOAK_FAILURE) << replay.script();
    }
    EXPECT_EQ(problem, "") << "seed " << seed << ", tick " << ticks << "; " << KESTREL_SOAK_FAILURE
                           << " replays the session with kestrel-replay";
}

}  // namespace
}  // namespace kestrel
