#include "core/numbers/decimal_conversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

// The C library's conversions stand in for std::from_chars and std::to_chars
// where the standard library lacks them (the WebAssembly build). They must
// give the same results to the last bit and the last character, so here the
// two are held against each other: on the edges of the formats, and in the
// long checks over millions of random singles and digit strings.
namespace kestrel {
namespace {

#if KESTREL_STANDARD_FLOAT_CHARCONV

constexpr std::uint32_t kSignBit = 0x80000000U;

std::string describe(const DecimalReading& reading) {
    switch (reading.status) {
        case DecimalStatus::Read: {
            std::array<char, 40> text{};
            std::snprintf(text.data(), text.size(), "%a", reading.value);
            return text.data();
        }
        case DecimalStatus::OutOfRange:
            return "out of range";
        case DecimalStatus::NotDecimal:
            return "not decimal";
    }
    return "?";
}

// Counts the texts the two readings disagree on and names the first few.
class ReadingComparison {
public:
    void check(const std::string& text) {
        const DecimalReading standard = readDecimalStandard(text);
        const DecimalReading portable = readDecimalPortable(text);
        const bool same =
            standard.status == portable.status &&
            std::bit_cast<std::uint64_t>(standard.value) == std::bit_cast<std::uint64_t>(portable.value);
        if (!same && ++mismatches_ <= kShown) {
            ADD_FAILURE() << '"' << text.substr(0, 120) << (text.size() > 120 ? "..." : "")
                          << "\": from_chars " << describe(standard) << ", portable " << describe(portable);
        }
    }
    [[nodiscard]] int mismatches() const { return mismatches_; }

private:
    static constexpr int kShown = 5;
    int mismatches_ = 0;
};

class TextComparison {
public:
    void check(float value) {
        const std::string standard = shortestTextStandard(value);
        const std::string portable = shortestTextPortable(value);
        if (standard != portable && ++mismatches_ <= kShown) {
            ADD_FAILURE() << "bits 0x" << std::hex << std::bit_cast<std::uint32_t>(value) << std::dec
                          << ": to_chars \"" << standard << "\", portable \"" << portable << '"';
        }
    }
    void checkBits(std::uint32_t bits) { check(std::bit_cast<float>(bits)); }
    [[nodiscard]] int mismatches() const { return mismatches_; }

private:
    static constexpr int kShown = 5;
    int mismatches_ = 0;
};

// The exact decimal of a double or of the midpoint between two: a long
// double holds either exactly, and printf writes every digit.
std::string exactDecimal(long double value) {
    int exponent = 0;
    std::frexp(value, &exponent);
    constexpr int kMidpointBits = DBL_MANT_DIG + 1;
    const int fractionDigits = std::max(0, kMidpointBits - exponent);
    std::vector<char> text(static_cast<std::size_t>(fractionDigits) + 400);
    std::snprintf(text.data(), text.size(), "%.*Lf", fractionDigits, value);
    return text.data();
}

// A double's neighbourhood in decimal: the midpoints to its neighbours,
// exactly (a tie) and a hair either side.
void checkMidpoints(ReadingComparison& comparison, double value) {
    const long double below = std::nextafter(value, 0.0);
    // Past the largest double, the next would be as far above as the one below.
    const long double above = value == DBL_MAX ? 2.0L * value - below : std::nextafter(value, HUGE_VAL);
    for (const long double neighbour : {below, above}) {
        const long double midpoint = (value + neighbour) / 2;
        std::string exact = exactDecimal(midpoint);
        comparison.check(exact);
        comparison.check(exact + "0000000000000000000001");
        const std::size_t last = exact.find_last_of("123456789");
        if (last != std::string::npos && exact.find('.') < last) {
            exact[last] = static_cast<char>(exact[last] - 1);
            comparison.check(exact + "99999999999");
        }
    }
}

std::string randomDigits(std::mt19937_64& random, std::size_t count) {
    std::string digits;
    for (std::size_t i = 0; i < count; ++i) {
        digits += static_cast<char>('0' + random() % 10);
    }
    return digits;
}

// Digits with or without a point anywhere, short or long, with runs of
// zeros, as someone might type them.
std::string randomDecimal(std::mt19937_64& random) {
    const auto length = [&random](std::size_t most) {
        return static_cast<std::size_t>(random() % (most + 1));
    };
    const bool longOne = random() % 50 == 0;
    std::string whole = std::string(length(3), '0') + randomDigits(random, length(longOne ? 400 : 25));
    std::string fraction = std::string(length(longOne ? 330 : 8), '0') + randomDigits(random, length(25));
    switch (random() % 4) {
        case 0:
            return whole.empty() ? "0" : whole;
        case 1:
            return whole + "." + fraction + (fraction.empty() && whole.empty() ? "0" : "");
        case 2:
            return "." + fraction + "7";
        default:
            return (whole.empty() ? "1" : whole) + ".";
    }
}

void checkRandomSingles(TextComparison& comparison, int count, std::uint64_t seed) {
    std::mt19937_64 random(seed);
    for (int n = 0; n < count; ++n) {
        comparison.checkBits(static_cast<std::uint32_t>(random()));
    }
}

void checkRandomReadings(ReadingComparison& comparison, int count, std::uint64_t seed) {
    std::mt19937_64 random(seed);
    for (int n = 0; n < count; ++n) {
        comparison.check(randomDecimal(random));
        if (n % 10 == 0) {
            const double value = std::bit_cast<double>(random() & 0x7FFFFFFFFFFFFFFFULL);
            if (std::isfinite(value) && value != 0) {
                checkMidpoints(comparison, value);
            }
        }
    }
}

TEST(ShortestText, TheFallbackWritesWhatToCharsWritesAtTheEdges) {
    TextComparison comparison;
    for (const std::uint32_t special : {0x00000000U, 0x7F800000U, 0x7FC00000U, 0x7F800001U, 0x7FFFFFFFU}) {
        comparison.checkBits(special);
        comparison.checkBits(special | kSignBit);
    }
    // Every power of two, where the gap below is half the gap above, and the
    // singles around it, subnormals included.
    for (std::uint32_t exponent = 0; exponent < 255; ++exponent) {
        for (std::uint32_t offset = 0; offset < 8; ++offset) {
            comparison.checkBits((exponent << 23) + offset);
            comparison.checkBits((exponent << 23) - offset - 1);
        }
    }
    // Around every power of ten, where the text changes length and notation.
    for (float power = 1e-45F; std::isfinite(power); power *= 10) {
        const auto bits = std::bit_cast<std::uint32_t>(power);
        for (std::uint32_t offset = 0; offset < 64; ++offset) {
            comparison.checkBits(bits + offset);
            comparison.checkBits(bits - offset);
        }
    }
    // Whole numbers past 2^24, written with all their digits, and a tie
    // between two shortest texts.
    for (const float value : {16777217.0F, 123456789.0F, 1e13F, 9.99999e13F, 2097152.25F, 0.3F, 1.5e-5F}) {
        comparison.check(value);
    }
    checkRandomSingles(comparison, 100'000, 1);
    EXPECT_EQ(comparison.mismatches(), 0);
}

TEST(ReadDecimal, TheFallbackReadsWhatFromCharsReadsAtTheEdges) {
    ReadingComparison comparison;
    for (const char* text :
         {"0", "0.", ".0", "000.000", "5.", ".5", "1", "0.1", "9007199254740993",
          "179769313486231570814527423731704356798070567525844996598917476803157260780028538"
          "760589558632766878171540458953514382464234321326889464182768467546703537516986049"
          "910576551282076245490090389328944075868508455133942304583236903222948165808559332"
          "123348274797826204144723168738177180919299881250404026184124858368"}) {
        comparison.check(text);
    }
    const std::string overflow = "1" + std::string(309, '0');
    comparison.check(overflow);
    comparison.check("0." + std::string(400, '0') + "1");
    for (const double edge : {DBL_MAX, DBL_MIN, DBL_TRUE_MIN, 2 * DBL_TRUE_MIN, 1.0, 0.1, 0.3, 1e22, 1e23}) {
        checkMidpoints(comparison, edge);
    }
    // Half the smallest subnormal: the tie goes to zero, a hair more does not.
    comparison.check(exactDecimal(DBL_TRUE_MIN / 2.0L));
    comparison.check(exactDecimal(DBL_TRUE_MIN / 2.0L) + "1");
    checkRandomReadings(comparison, 20'000, 2);
    EXPECT_EQ(comparison.mismatches(), 0);
}

TEST(DecimalConversionLong, FiveMillionRandomSinglesAndEveryWholeOneNearPowersOfTen) {
    TextComparison comparison;
    checkRandomSingles(comparison, 5'000'000, 3);
    for (float power = 1e7F; power < 1e15F; power *= 10) {
        const auto bits = std::bit_cast<std::uint32_t>(power);
        for (std::uint32_t offset = 0; offset < 100'000; ++offset) {
            comparison.checkBits(bits + offset);
            comparison.checkBits(bits - offset);
        }
    }
    EXPECT_EQ(comparison.mismatches(), 0);
}

TEST(DecimalConversionLong, TwoMillionRandomDigitStringsAndMidpoints) {
    ReadingComparison comparison;
    checkRandomReadings(comparison, 2'000'000, 4);
    EXPECT_EQ(comparison.mismatches(), 0);
}

#else

TEST(ShortestText, TheFallbackWritesWhatToCharsWritesAtTheEdges) {
    GTEST_SKIP() << "this standard library has no floating-point to_chars to compare with";
}

#endif

}  // namespace
}  // namespace kestrel
