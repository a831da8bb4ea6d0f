#include "core/picture/legend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/form/design.h"
#include "core/form/geometry.h"

// The legend draws every kind of thing the window draws, as the window
// draws it, each in its row beside its caption in the user's language.
namespace kestrel {
namespace {

struct Drawn {
    design::TwipsRect box;
    std::string what;  // a pen's colour and style, a dot's fill, a text
};

class RecordingCanvas : public picture::Canvas {
public:
    std::vector<Drawn> lines;
    std::vector<Drawn> dots;
    std::vector<Drawn> texts;

    void line(const LineItem& ends, const design::Pen& pen) override {
        const auto x = static_cast<int>(std::min(ends.X1, ends.X2));
        const auto y = static_cast<int>(std::min(ends.Y1, ends.Y2));
        lines.push_back(
            {{x, y, static_cast<int>(std::abs(ends.X2 - ends.X1)),
              static_cast<int>(std::abs(ends.Y2 - ends.Y1))},
             colourName(pen.colour) + (pen.style == design::LineStyle::DashDot ? " dash-dot" : "")});
    }
    void rectangle(const design::TwipsRect& box, const design::Colour*) override {
        lines.push_back({box, "box"});
    }
    void ellipse(const design::TwipsRect&) override {}
    void dot(const DotItem& dot, int size, design::Colour fill) override {
        dots.push_back(
            {{static_cast<int>(dot.Left), static_cast<int>(dot.Top), size, size}, colourName(fill)});
    }
    void point(float, float, design::Colour) override {}
    void text(const design::TwipsRect& box, std::string_view text, const design::Font&,
              picture::TextAlign) override {
        texts.push_back({box, std::string(text)});
    }
    double textWidth(std::string_view, const design::Font&) override { return 0; }

private:
    static std::string colourName(design::Colour colour) {
        return colour == design::kBlack   ? "black"
               : colour == design::kWhite ? "white"
               : colour == design::kRed   ? "red"
               : colour == design::kBlue  ? "blue"
                                          : "other";
    }
};

std::string marked(std::string_view, std::string_view text) {
    return "[" + std::string(text) + "]";
}

int rowOf(const design::TwipsRect& box) {
    return box.top / picture::kLegendRowHeight;
}

std::vector<std::string> inRow(const std::vector<Drawn>& drawn, int row) {
    std::vector<std::string> what;
    for (const Drawn& item : drawn) {
        if (rowOf(item.box) == row) {
            what.push_back(item.what);
        }
    }
    std::sort(what.begin(), what.end());
    return what;
}

using Strings = std::vector<std::string>;

TEST(Legend, EachRowDrawsItsThingAsTheWindowDoesBesideItsCaption) {
    RecordingCanvas canvas;
    picture::drawLegend(canvas, marked);
    // What each row draws, in the order of the legend's entries: its lines,
    // and the band letters (E and its subscript) as the window has them.
    struct Row {
        Strings lines;
        Strings letters;
    };
    const Row kRows[] = {
        {{"black"}, {}},
        {{"black"}, {}},
        {{"black", "black", "red"}, {}},
        {{"black", "blue", "black"}, {}},
        {{"black"}, {"E", "C"}},
        {{"black"}, {"E", "V"}},
        {{"black dash-dot"}, {"E", "F"}},
        {{"black", "black", "black", "black", "black", "black"}, {}},
        {{"black", "black", "black", "box"}, {}},
    };
    for (std::size_t n = 0; n < picture::kLegend.size(); ++n) {
        const int row = static_cast<int>(n);
        Strings lines = kRows[n].lines;
        std::sort(lines.begin(), lines.end());
        EXPECT_EQ(inRow(canvas.lines, row), lines) << row;
        Strings texts = kRows[n].letters;
        texts.push_back("[" + std::string(picture::kLegend[n].caption) + "]");
        std::sort(texts.begin(), texts.end());
        EXPECT_EQ(inRow(canvas.texts, row), texts) << row;
    }
    EXPECT_EQ(inRow(canvas.dots, 0), Strings{"black"});
    EXPECT_EQ(inRow(canvas.dots, 1), Strings{"white"});
    EXPECT_EQ(canvas.dots.size(), 2U);
    for (const Drawn& dot : canvas.dots) {
        EXPECT_EQ(dot.box.width, geometry::kDotSize);
    }
    for (const auto* drawn : {&canvas.lines, &canvas.dots, &canvas.texts}) {
        for (const Drawn& item : *drawn) {
            EXPECT_GE(item.box.left, 0) << item.what;
            EXPECT_LE(item.box.left + item.box.width, picture::kLegendWidth) << item.what;
        }
    }
}

TEST(Legend, ItsTextHasEveryCaptionInTheLanguage) {
    const std::string text = picture::legendText(marked);
    for (const picture::LegendEntry& entry : picture::kLegend) {
        EXPECT_NE(text.find("[" + std::string(entry.caption) + "]"), std::string::npos) << entry.caption;
    }
}

}  // namespace
}  // namespace kestrel
