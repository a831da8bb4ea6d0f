#include <gtest/gtest.h>

#include "core/numbers/text_number.h"

// What a box shows as a number is read as that number: pasted and typed
// forms that look like a plain number are one; nothing else becomes one.
namespace kestrel {
namespace {

TEST(PastedNumber, ReadsWhatTheBoxShows) {
    EXPECT_EQ(parseNumber("0.3\n"), 0.3);
    EXPECT_EQ(parseNumber("\r\n 0.3\u00a0"), 0.3);
    EXPECT_EQ(parseNumber("\u30000.3\u202f\t"), 0.3);
    EXPECT_EQ(parseNumber("\u22120.5"), -0.5);
    EXPECT_EQ(parseNumber("\uff10\uff0e\uff13"), 0.3);
    EXPECT_EQ(parseNumber("\uff0d\uff17\uff0c\uff15"), -7.5);
    EXPECT_EQ(parseNumber("\uff0b\uff19"), 9);
}

TEST(PastedNumber, AnythingElseStaysNotANumber) {
    for (const char* text : {"0.\n3", "0.3\u00a0V", "\u2212\u22120.5", "\u00a0", "\uff0e", "0\u30003",
                             "\uff1a5", "\xef\xbc", "\xef\xbc\x9a", "1e3", "\u2013 0.5"}) {
        EXPECT_FALSE(parseNumber(text)) << text;
    }
}

}  // namespace
}  // namespace kestrel
