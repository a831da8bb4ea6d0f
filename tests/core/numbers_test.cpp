#include "core/numbers/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "core/numbers/run_time_error.h"
#include "core/form/simulation_state.h"
#include "core/numbers/text_number.h"

namespace kestrel {

namespace {

// The kind of run-time error that f raises, or nothing when it returns.
std::optional<ErrorKind> errorKindOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const RunTimeError& error) {
        return error.kind();
    }
    return std::nullopt;
}

TEST(SixteenBits, RoundsTiesToEvenAndOverflowsOneStepPastTheRange) {
    const std::pair<double, int> rounded[] = {{2.5, 2},    {3.5, 4},         {-2.5, -2},        {0.5, 0},
                                              {2.5001, 3}, {32767.4, 32767}, {-32768.5, -32768}};
    for (const auto& [value, expected] : rounded) {
        EXPECT_EQ(to16(value), expected) << value;
    }
    EXPECT_EQ(add16(32766, 1), 32767);
    EXPECT_EQ(sub16(-32767, 1), -32768);
    EXPECT_EQ(mul16(-256, 128), -32768);
    const std::function<void()> overflows[] = {
        [] { to16(32767.5); },    [] { to16(-32768.6); },   [] { to16(1e300); },
        [] { to16(-1e300); },     [] { add16(32767, 1); },  [] { add16(-32768, -1); },
        [] { sub16(-32768, 1); }, [] { sub16(0, -32768); }, [] { mul16(256, 128); },
        [] { mul16(182, 181); },
    };
    for (int n = 0; const auto& overflow : overflows) {
        EXPECT_EQ(errorKindOf(overflow), ErrorKind::Overflow) << "case " << n++;
    }
}

TEST(RunTimeErrors, FloatingPointFaultsSinglesTooLargeAndSubscriptsOutOfRange) {
    EXPECT_EQ(toSingle(16777217.0), 16777216.0F);  // a tie goes to the even single
    EXPECT_EQ(errorKindOf([] { toSingle(1e300); }), ErrorKind::Float);
    EXPECT_EQ(errorKindOf([] { divide(1, 0); }), ErrorKind::Float);
    EXPECT_EQ(errorKindOf([] { to16(std::nan("")); }), ErrorKind::Float);
    EXPECT_EQ(errorKindOf([] { to16(HUGE_VAL); }), ErrorKind::Float);

    BinArray bins;
    bins(0) = bins(50) = 1;
    EXPECT_EQ(errorKindOf([&] { bins(-1) = 1; }), ErrorKind::Subscript);
    EXPECT_EQ(errorKindOf([&] { bins(51) = 1; }), ErrorKind::Subscript);
}

TEST(ParseNumber, TakesDecimalsWithPointOrCommaSignAndBlanksAndNothingElse) {
    const std::pair<const char*, double> numbers[] = {
        {"0.3", 0.3}, {".3", 0.3}, {"3.", 3}, {"-0,3", -0.3}, {" +1 ", 1}, {"\t2\t", 2}, {"007", 7},
    };
    for (const auto& [text, value] : numbers) {
        EXPECT_EQ(parseNumber(text), value) << '"' << text << '"';
    }
    EXPECT_EQ(parseNumber("0." + std::string(400, '0') + "1"), 0.0);  // too small to tell from zero
    const std::string rejected[] = {
        "",    " ",     "-",   "+",   ".",   "1e3", "0x1", "1,000.5",
        "abc", "1.2.3", "- 1", "1 2", "--1", "inf", "nan", "1" + std::string(400, '0'),
    };
    for (const std::string& text : rejected) {
        EXPECT_EQ(parseNumber(text), std::nullopt) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace kestrel
