#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/picture/canvas.h"
#include "core/picture/pixels.h"

// The form's picture as a list of drawing commands for the page, which puts
// them on an HTML canvas. Places are whole logical pixels, rounded from twips
// as the desktop window rounds them, so the page shows every dot where the
// window would.
namespace kestrel::web {

// Each command is kStride numbers: its kind, then its arguments.
//   Line       x1 y1 x2 y2 colour dashed
//   Rectangle  x y width height fill (-1: none)
//   Ellipse    x y width height
//   Dot        x y size fill
//   Point      x y colour
//   Text       x y width height font centred text
// Colours are 0xRRGGBB; font and text are indices into texts(), the font as
// a CSS font shorthand.
enum class Command { Line = 1, Rectangle, Ellipse, Dot, Point, Text };
inline constexpr int kStride = 8;

class BatchCanvas : public picture::Canvas {
public:
    // How wide the page draws a text in a CSS font, in CSS pixels.
    using Measure = std::function<double(const std::string& text, const std::string& cssFont)>;
    void setMeasure(Measure measure) { measure_ = std::move(measure); }

    // Starts a new drawing of width by height twips; dots outside it, such
    // as the carriers parked below the client area, are left out.
    void clear(int width = design::kClientArea.width, int height = design::kClientArea.height);

    void line(const LineItem& ends, const design::Pen& pen) override;
    void rectangle(const design::TwipsRect& box, const design::Colour* fill) override;
    void ellipse(const design::TwipsRect& box) override;
    void dot(const DotItem& dot, int size, design::Colour fill) override;
    void point(float x, float y, design::Colour colour) override;
    void text(const design::TwipsRect& box, std::string_view text, const design::Font& font,
              picture::TextAlign align) override;
    // Asked of the page once for each text and font.
    double textWidth(std::string_view text, const design::Font& font) override;

    [[nodiscard]] const std::vector<double>& commands() const { return commands_; }
    [[nodiscard]] const std::vector<std::string>& texts() const { return texts_; }

private:
    void add(Command command, std::initializer_list<double> arguments);
    double textIndex(std::string text);

    std::vector<double> commands_;
    std::vector<std::string> texts_;
    std::unordered_map<std::string, int> indices_;
    Measure measure_;
    std::map<std::pair<std::string, std::string>, double> widths_;
    int width_ = design::kClientArea.width;
    int height_ = design::kClientArea.height;
};

using picture::toPixels;

// A colour as the page takes it: 0xRRGGBB.
int packedColour(design::Colour colour);

// The CSS font for a design font: its face, then the faces that stand in
// for it, then the browser's sans-serif, at its size in CSS pixels.
std::string cssFont(const design::Font& font);

}  // namespace kestrel::web
