#include "core/session/printable_text.h"

#include <gtest/gtest.h>

#include <string>

// Outside text in messages: what would not show as itself is escaped, and a
// long text is cut with its length.
namespace kestrel::script {
namespace {

using namespace std::string_literals;

TEST(PrintableText, EscapesEveryByteThatWouldNotShowAsItself) {
    const struct {
        std::string text;
        std::string shown;
    } cases[] = {
        {"click \x1b]0;pwned\x07", R"(click \x1b]0;pwned\x07)"},  // a terminal's title command
        {"a\0b.svg"s, R"(a\x00b.svg)"},                           // a NUL does not cut the text short
        {"tab\there\r\n\x7f", R"(tab\x09here\x0d\x0a\x7f)"},
        {"\xc2\x9b"
         "31m",
         R"(\xc2\x9b31m)"},  // C1 control sequence introducer
        {"\xe2\x80\xae"
         "gvs.exe",
         R"(\xe2\x80\xaegvs.exe)"},                    // right-to-left override
        {"\xff\xfet\0y\0"s, R"(\xff\xfet\x00y\x00)"},  // a script saved as UTF-16
        {"\xe2\x82", R"(\xe2\x82)"},                   // cut short
        {"\xc0\xaf", R"(\xc0\xaf)"},                   // overlong "/"
        {"\xed\xa0\x80", R"(\xed\xa0\x80)"},           // a surrogate
        {R"(C:\x1b)", R"(C:\\x1b)"},                   // a backslash is not an escape
        {"type Text4 0,3 \xe3\x80\x80\xc3\xa9", "type Text4 0,3 \xe3\x80\x80\xc3\xa9"},  // UTF-8 stays
    };
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(printable(text), shown);
        EXPECT_EQ(printsAsItself(text), text == shown || text.find('\\') != std::string::npos) << shown;
        EXPECT_EQ(quotedText(text), '"' + shown + '"');
    }
}

TEST(PrintableText, QuotedTextIsCutAtACharacterWithItsLengthInBytes) {
    const std::string longest(kMostQuotedCharacters, 'x');
    EXPECT_EQ(quotedText(longest), '"' + longest + '"');

    const std::string line = "tick Timer1 " + std::string(2000000, 'x');
    EXPECT_EQ(quotedText(line), '"' + line.substr(0, kMostQuotedCharacters) + "...\" (2000012 bytes)");

    // Neither an escape nor a character is split where the cut falls.
    const std::string beforeEscape(kMostQuotedCharacters - 2, 'x');
    EXPECT_EQ(quotedText(beforeEscape + "\x1b"), '"' + beforeEscape + "...\" (99 bytes)");
    const std::string beforeLetter(kMostQuotedCharacters - 1, 'x');
    EXPECT_EQ(quotedText(beforeLetter + "\xe6\x97\xa5\xe6\x9c\xac"),
              '"' + beforeLetter + "\xe6\x97\xa5...\" (105 bytes)");
}

}  // namespace
}  // namespace kestrel::script
