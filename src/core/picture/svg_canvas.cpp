#include "core/picture/svg_canvas.h"

#include <cstdio>
#include <vector>

#include "core/picture/form_picture.h"

namespace kestrel::picture {
namespace {

constexpr double kTwipsPerPixel = 15;
constexpr double kPixelsPerPoint = 96.0 / 72.0;
// Rough widths of a character, in ems, for wrapping: narrow Latin letters,
// and the full-width ones of Japanese text.
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

// The UTF-8 characters of text, each as its bytes.
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

// Breaks text into lines no wider than `width` ems, at spaces where it can.
// A space at the end of a line hangs past the edge.
std::vector<std::string> wrapped(std::string_view text, double width) {
    std::vector<std::string> lines(1);
    double used = 0;
    std::size_t lastSpace = std::string::npos;
    for (const std::string_view c : characters(text)) {
        const double advance = c.size() == 1 ? kNarrowWidth : kWideWidth;
        if (c != " " && used + advance > width && !lines.back().empty()) {
            std::string carried;
            if (lastSpace != std::string::npos) {
                carried = lines.back().substr(lastSpace + 1);
                lines.back().resize(lastSpace);
            }
            lines.push_back(carried);
            used = static_cast<double>(characters(carried).size()) * kNarrowWidth;
            lastSpace = std::string::npos;
        }
        if (c == " ") {
            lastSpace = lines.back().size();
        }
        lines.back() += c;
        used += advance;
    }
    return lines;
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
        body_ += " stroke-dasharray=\"9 3 3 3\"";
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
    const auto lines = wrapped(text, box.width / sizeTwips);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const double baseline = box.top + (kAscent + kLineSpacing * static_cast<double>(n)) * sizeTwips;
        body_ += "<text x=\"" + px(box.left) + "\" y=\"" + px(baseline) + "\"" + attributes + ">" +
                 escaped(lines[n]) + "</text>\n";
    }
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
