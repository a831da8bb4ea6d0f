#include "core/picture/svg_canvas.h"

#include <cstdio>
#include <vector>

#include "core/picture/form_picture.h"
#include "core/picture/pixels.h"

namespace kestrel::picture {
namespace {

// Rough widths of a character, in ems: narrow Latin letters, and the
// full-width ones of Japanese text.
constexpr double kNarrowWidth = 0.5;
constexpr double kWideWidth = 1.0;
constexpr double kLineSpacing = 1.17;
constexpr double kAscent = 0.9;

// A length in logical pixels, written with at most two decimals.
std::string px(double twips) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", twips / kTwipsPerPixel);
    std::string number = text;
    number.erase(number.find_last_not_of('0') + 1);
    if (number.back() == '.') {
        number.pop_back();
    }
    return number == "-0" ? "0" : number;
}

// The dash-dot pattern as SVG's list of lengths.
std::string dashArray() {
    std::string lengths;
    for (const int length : kDashDotPattern) {
        if (!lengths.empty()) {
            lengths += ' ';
        }
        lengths += std::to_string(length);
    }
    return lengths;
}

std::string colour(design::Colour c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.red, c.green, c.blue);
    return text;
}

std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// The characters of UTF-8 text, each as its bytes.
std::vector<std::string_view> characters(std::string_view text) {
    std::vector<std::string_view> result;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        while (i + length < text.size() && (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80) {
            ++length;
        }
        result.push_back(text.substr(i, length));
        i += length;
    }
    return result;
}

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0;;) {
        const auto end = text.find('\n', start);
        lines.push_back(
            text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) {
            return lines;
        }
        start = end + 1;
    }
}

std::string fontFamily(const design::Font& font) {
    std::string families;
    if (font.family) {
        families += '\'';
        families += escaped(font.family);
        families += "', ";
        for (const char* fallback : font.fallbacks) {
            families += '\'';
            families += escaped(fallback);
            families += "', ";
        }
    }
    return families + "sans-serif";
}

}  // namespace

SvgCanvas::SvgCanvas()
    : SvgCanvas(design::kClientArea.width, design::kClientArea.height, design::kWindowBackground) {}

SvgCanvas::SvgCanvas(int width, int height, design::Colour background) : width_(width), height_(height) {
    rectangle({0, 0, width, height}, &background);
}

void SvgCanvas::line(const LineItem& ends, const design::Pen& pen) {
    body_ += "<line x1=\"" + px(ends.X1) + "\" y1=\"" + px(ends.Y1) + "\" x2=\"" + px(ends.X2) + "\" y2=\"" +
             px(ends.Y2) + "\" stroke=\"" + colour(pen.colour) + "\"";
    if (pen.style == design::LineStyle::DashDot) {
        static const std::string kDashArray = dashArray();
        body_ += " stroke-dasharray=\"";
        body_ += kDashArray;
        body_ += '"';
    }
    body_ += "/>\n";
}

void SvgCanvas::rectangle(const design::TwipsRect& box, const design::Colour* fill) {
    body_ += "<rect x=\"" + px(box.left) + "\" y=\"" + px(box.top) + "\" width=\"" + px(box.width) +
             "\" height=\"" + px(box.height) + "\" fill=\"" + (fill ? colour(*fill) : "none") +
             "\" stroke=\"#000000\"/>\n";
}

void SvgCanvas::ellipse(const design::TwipsRect& box) {
    body_ += "<ellipse cx=\"" + px(box.left + box.width / 2.0) + "\" cy=\"" + px(box.top + box.height / 2.0) +
             "\" rx=\"" + px(box.width / 2.0) + "\" ry=\"" + px(box.height / 2.0) +
             "\" fill=\"none\" stroke=\"#000000\"/>\n";
}

void SvgCanvas::dot(const DotItem& dot, int size, design::Colour fill) {
    // Dots parked or waiting below the client area are out of the picture.
    if (dot.Top >= static_cast<float>(height_) || dot.Left >= static_cast<float>(width_)) {
        return;
    }
    const double radius = size / 2.0;
    body_ += "<circle cx=\"" + px(dot.Left + radius) + "\" cy=\"" + px(dot.Top + radius) + "\" r=\"" +
             px(radius) + "\" fill=\"" + colour(fill) + "\" stroke=\"#000000\"/>\n";
}

void SvgCanvas::point(float x, float y, design::Colour c) {
    body_ += "<rect x=\"" + px(x) + "\" y=\"" + px(y) + "\" width=\"1\" height=\"1\" fill=\"" + colour(c) +
             "\"/>\n";
}

void SvgCanvas::text(const design::TwipsRect& box, std::string_view text, const design::Font& font,
                     TextAlign align) {
    const double size = font.points * kPixelsPerPoint;
    const double sizeTwips = size * kTwipsPerPixel;
    std::string attributes = " font-family=\"" + fontFamily(font) + "\" font-size=\"" + px(sizeTwips) + "\"";
    if (align == TextAlign::Centred) {
        body_ += "<text x=\"" + px(box.left + box.width / 2.0) + "\" y=\"" + px(box.top + box.height / 2.0) +
                 "\" text-anchor=\"middle\" dominant-baseline=\"central\"" + attributes + ">" +
                 escaped(text) + "</text>\n";
        return;
    }
    const auto lines = linesOf(text);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const double baseline = box.top + (kAscent + kLineSpacing * static_cast<double>(n)) * sizeTwips;
        body_ += "<text x=\"" + px(box.left) + "\" y=\"" + px(baseline) + "\"" + attributes + ">" +
                 escaped(lines[n]) + "</text>\n";
    }
}

// Without the fonts at hand, a text is as wide as a narrow Latin letter
// (half an em) for each byte-sized character and a full em for the others.
double SvgCanvas::textWidth(std::string_view text, const design::Font& font) {
    double ems = 0;
    for (const std::string_view c : characters(text)) {
        ems += c.size() == 1 ? kNarrowWidth : kWideWidth;
    }
    return ems * font.points * kPixelsPerPoint;
}

std::string SvgCanvas::document() const {
    const std::string width = px(width_);
    const std::string height = px(height_);
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + width + "\" height=\"" + height +
           "\" viewBox=\"0 0 " + width + " " + height + "\" shape-rendering=\"crispEdges\">\n" + body_ +
           "</svg>\n";
}

std::string formSvg(const Form1& form) {
    SvgCanvas canvas;
    drawForm(canvas, form);
    drawControls(canvas, form);
    return canvas.document();
}

}  // namespace kestrel::picture
