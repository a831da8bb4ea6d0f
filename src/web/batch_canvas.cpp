#include "web/batch_canvas.h"

#include <cmath>

#include "core/picture/pixels.h"

namespace kestrel::web {
namespace {

constexpr double kNoFill = -1;

double packed(design::Colour colour) {
    return packedColour(colour);
}

double at(double twips) {
    return toPixels(twips);
}

}  // namespace

int packedColour(design::Colour colour) {
    return (colour.red << 16) | (colour.green << 8) | colour.blue;
}

double BatchCanvas::textWidth(std::string_view text, const design::Font& font) {
    if (!measure_) {
        return 0;
    }
    std::pair<std::string, std::string> key{cssFont(font), std::string(text)};
    const auto known = widths_.find(key);
    if (known != widths_.end()) {
        return known->second;
    }
    const double width = measure_(key.second, key.first);
    widths_.emplace(std::move(key), width);
    return width;
}

std::string cssFont(const design::Font& font) {
    std::string families;
    if (font.family) {
        families += std::string("'") + font.family + "', ";
        for (const char* fallback : font.fallbacks) {
            families += std::string("'") + fallback + "', ";
        }
    }
    const double size = std::round(font.points * picture::kPixelsPerPoint * 100) / 100;
    std::string number = std::to_string(size);
    number.erase(number.find_last_not_of('0') + 1);
    if (number.back() == '.') {
        number.pop_back();
    }
    return number + "px " + families + "sans-serif";
}

void BatchCanvas::clear(int width, int height) {
    width_ = width;
    height_ = height;
    commands_.clear();
    texts_.clear();
    indices_.clear();
}

void BatchCanvas::add(Command command, std::initializer_list<double> arguments) {
    commands_.push_back(static_cast<double>(command));
    commands_.insert(commands_.end(), arguments);
    commands_.resize(commands_.size() + kStride - 1 - arguments.size(), 0);
}

double BatchCanvas::textIndex(std::string text) {
    const auto [place, added] = indices_.try_emplace(text, static_cast<int>(texts_.size()));
    if (added) {
        texts_.push_back(std::move(text));
    }
    return place->second;
}

void BatchCanvas::line(const LineItem& ends, const design::Pen& pen) {
    add(Command::Line, {at(ends.X1), at(ends.Y1), at(ends.X2), at(ends.Y2), packed(pen.colour),
                        pen.style == design::LineStyle::DashDot ? 1.0 : 0.0});
}

void BatchCanvas::rectangle(const design::TwipsRect& box, const design::Colour* fill) {
    add(Command::Rectangle,
        {at(box.left), at(box.top), at(box.width), at(box.height), fill ? packed(*fill) : kNoFill});
}

void BatchCanvas::ellipse(const design::TwipsRect& box) {
    add(Command::Ellipse, {at(box.left), at(box.top), at(box.width), at(box.height)});
}

void BatchCanvas::dot(const DotItem& dot, int size, design::Colour fill) {
    if (dot.Left >= static_cast<float>(width_) || dot.Top >= static_cast<float>(height_)) {
        return;
    }
    add(Command::Dot, {at(dot.Left), at(dot.Top), at(size), packed(fill)});
}

void BatchCanvas::point(float x, float y, design::Colour colour) {
    add(Command::Point, {at(x), at(y), packed(colour)});
}

void BatchCanvas::text(const design::TwipsRect& box, std::string_view text, const design::Font& font,
                       picture::TextAlign align) {
    const double fontIndex = textIndex(cssFont(font));
    add(Command::Text, {at(box.left), at(box.top), at(box.width), at(box.height), fontIndex,
                        align == picture::TextAlign::Centred ? 1.0 : 0.0, textIndex(std::string(text))});
}

}  // namespace kestrel::web
