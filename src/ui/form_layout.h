#pragma once

#include <array>

#include "ui/twips.h"

// The window's fixed design: every item that nothing ever moves, with its
// place, text and tab index. What the simulation moves (band lines, markers,
// dots, box texts) is read from the form itself.
namespace kestrel::ui {

inline constexpr const char* kWindowCaption = "Kestrel Sim\u3000Ver.\u03b2";
inline constexpr TwipsRect kClientArea{3255, 2400, 9075, 6795};

// The window's own text, in the platform's default face.
inline constexpr double kDefaultFontPoints = 9;

// The "E" letters of the band labels ask for this Japanese gothic face.
inline constexpr const char* kLetterFontFamily = "\uff2d\uff33 \uff30\u30b4\u30b7\u30c3\u30af";
inline constexpr double kLetterFontPoints = 14.25;

struct LabelLayout {
    const char* name;
    const char* caption;
    TwipsRect box;
    bool letterFont;
};

enum class ShapeKind { Rectangle, FilledRectangle, Circle };

struct ShapeLayout {
    const char* name;
    ShapeKind kind;
    TwipsRect box;
};

struct TextBoxLayout {
    const char* name;
    const char* accessibleName;  // the caption beside the box
    TwipsRect box;
    int tabIndex;
};

struct ButtonLayout {
    const char* name;
    const char* caption;
    TwipsRect box;
    int tabIndex;
};

inline constexpr std::array<LabelLayout, 20> kLabels{{
    {"Label2(0)", "E", {960, 1680, 255, 255}, true},
    {"Label2(2)", "C", {1200, 1800, 255, 255}, false},
    {"Label2(4)", "E", {960, 2040, 255, 255}, true},
    {"Label2(5)", "F", {1200, 2160, 255, 255}, false},
    {"Label2(1)", "E", {960, 3000, 255, 255}, true},
    {"Label2(3)", "V", {1200, 3120, 255, 255}, false},
    {"Label14", "n", {1800, 4680, 255, 255}, false},
    {"Label6", "p", {2400, 4680, 255, 255}, false},
    {"Label3", "Fermi level (eV)", {3000, 4200, 1575, 375}, false},
    {"Label5", "Bias (V)", {2880, 6120, 1455, 375}, false},
    {"Label11", "Current (mA)", {3360, 5280, 855, 375}, false},
    {"Label15",
     "Attention\uff1a\u3000This is just for have an image of p-n junction. So, the current value is not "
     "correct.",
     {5160, 6000, 3135, 615},
     false},
    {"Label1", "\u6e29\u5ea6(K)", {6120, 7800, 615, 255}, false},
    {"Label4", "\u96fb\u5b50\u6570", {6120, 8160, 735, 255}, false},
    {"Label8", "\u6b63\u5b54\u6570", {6120, 8400, 735, 255}, false},
    {"Label10", "\u96fb\u5b50\u6fc3\u5ea6", {1800, 7440, 375, 495}, false},
    {"Label9", "t", {4800, 8880, 375, 255}, false},
    {"Label12", "0", {2040, 8760, 255, 255}, false},
    {"Label13", "p\u5f62", {5280, 7920, 495, 255}, false},
    {"Label7", "n\u5f62", {5280, 8520, 495, 255}, false},
}};

inline constexpr std::array<ShapeLayout, 4> kShapes{{
    {"Shape3", ShapeKind::Rectangle, {1560, 4560, 1215, 495}},
    {"Shape4", ShapeKind::FilledRectangle, {1920, 5760, 135, 255}},
    {"Shape5", ShapeKind::Circle, {600, 7680, 255, 255}},
    {"Shape6", ShapeKind::Rectangle, {360, 8160, 375, 255}},
}};

inline constexpr std::array<TextBoxLayout, 7> kTextBoxes{{
    {"Text1", "\u6e29\u5ea6(K)", {6840, 7800, 495, 270}, 2},
    {"Text2", "Fermi level (eV), n side", {1560, 4200, 495, 270}, 10},
    {"Text3", "Fermi level (eV), p side", {2280, 4200, 495, 270}, 12},
    {"Text4", "Bias (V)", {2280, 6000, 495, 270}, 14},
    {"Text5", "\u96fb\u5b50\u6570", {6840, 8160, 495, 270}, 25},
    {"Text6", "\u6b63\u5b54\u6570", {6840, 8400, 495, 270}, 16},
    {"Text7", "Current (mA)", {2760, 5280, 495, 270}, 18},
}};

inline constexpr std::array<ButtonLayout, 3> kButtons{{
    {"Command1", "Start", {5280, 4440, 1215, 495}, 0},
    {"Command2", "Close", {5280, 5160, 1215, 495}, 1},
    {"Command3", "Restart", {6720, 4440, 1215, 495}, 29},
}};

inline constexpr TwipsRect kPicture1{2160, 7440, 2655, 1455};
inline constexpr int kPicture1TabIndex = 20;
inline constexpr const char* kPicture1AccessibleName = "\u96fb\u5b50\u6fc3\u5ea6";

}  // namespace kestrel::ui
