#include "core/picture/text_wrap.h"

#include <gtest/gtest.h>

#include <string>

#include "core/dump/display_width.h"

// Where texts break into lines, in Japanese and in English, and how wide a
// text is on a terminal.
namespace kestrel {
namespace {

// A 12-pixel face: full-width characters 12 pixels wide, the others 6.
double pixels(std::string_view text) {
    return displayWidth(text) * 6.0;
}

struct Wrapping {
    const char* text;
    double width;
    const char* lines;
};

// The notice's box is 209 pixels wide.
const Wrapping kWrappings[] = {
    {"注意：p-n接合のイメージ用です。電流値は正確ではありません。", 209,
     "注意：p-n接合のイメージ用です。\n電流値は正確ではありません。"},
    {"p-n接合のイメージ用です。", 100, "p-n接合の\nイメージ用です。"},
    {"電子を取り出した", 80, "電子を\n取り出した"},
    {"フェルミ準位 (eV)", 80, "フェルミ準位\n(eV)"},
    // A word wider than its box breaks between characters, never before 。
    {"電子濃度", 25, "電子\n濃度"},
    {"正確ではありません。", 108, "正確ではありませ\nん。"},
    // English breaks at spaces only, however long a word is.
    {"Attention：　This is just for have an image of p-n junction. So, the current value is not correct.",
     209,
     "Attention：　This is just for have\nan image of p-n junction. So, the\ncurrent value is not correct."},
    {"Fermi level (eV)", 60, "Fermi\nlevel (eV)"},
    {"Unbreakable-words-stand-alone here", 60, "Unbreakable-words-stand-alone\nhere"},
};

TEST(TextWrap, JapaneseBreaksBetweenPhrasesAndEnglishAtSpaces) {
    for (const Wrapping& wrapping : kWrappings) {
        EXPECT_EQ(picture::wrapText(wrapping.text, wrapping.width, pixels), wrapping.lines) << wrapping.text;
    }
}

TEST(DisplayWidth, WideAndFullWidthCharactersTakeTwoColumns) {
    const std::pair<const char*, int> widths[] = {
        {"", 0},         {"--bias <VOLTS>", 14},
        {"電流", 4},     {"（E）", 5},
        {"バイアス", 8}, {"ｱ", 1},
        {"é", 1},        {"한", 2},
        {"\xff", 1},     {"\uff60", 2},
        {"\u3041", 2},   {"\uff61", 1},
        {"\u3000", 2},
    };
    for (const auto& [text, columns] : widths) {
        EXPECT_EQ(displayWidth(text), columns) << text;
    }
}

}  // namespace
}  // namespace kestrel
