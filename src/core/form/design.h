#pragma once

#include <array>
#include <cstdint>

#include "core/form/form1.h"
#include "core/form/geometry.h"
#include "core/form/texts.h"

// The window's design: every item once, with its place, its look and, for
// the items the procedures touch, the form's member that holds it. The
// painters, the window's layout, the dump and the tests all read these
// tables. Places are twips of the client area. The captions a user reads
// are marked for translation; the window shows them as designed unless a
// language is chosen. The single letters are the diagram's symbols.
namespace kestrel::design {

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

struct Colour {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;

    bool operator==(const Colour&) const = default;
};

inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kWhite{255, 255, 255};
inline constexpr Colour kRed{255, 0, 0};
inline constexpr Colour kBlue{0, 0, 255};
// The light grey behind the diagram and of the buttons' faces.
inline constexpr Colour kWindowBackground{240, 240, 240};
inline constexpr Colour kButtonFace{225, 225, 225};

enum class LineStyle { Solid, DashDot };

struct Pen {
    Colour colour;
    LineStyle style;
};

inline constexpr Pen kSolid{kBlack, LineStyle::Solid};
inline constexpr Pen kDashDot{kBlack, LineStyle::DashDot};

// A face by name, with the installed faces that stand in for it where it is
// missing; no family is the platform's default face.
struct Font {
    const char* family;
    double points;
    std::array<const char*, 2> fallbacks;
};

// The window's own text. The layout is designed around a 9-point face.
inline constexpr Font kDefaultFont{nullptr, 9, {}};
// The "E" letters of the band labels: a Japanese gothic face.
inline constexpr Font kLetterFont{
    "\uff2d\uff33 \uff30\u30b4\u30b7\u30c3\u30af", 14.25, {"IPAPGothic", "Noto Sans CJK JP"}};

inline constexpr const char* kWindowCaption = KESTREL_TEXT("design", "Kestrel Sim\u3000Ver.\u03b2");
// The client area's place on the screen and its size: 605 by 453 logical
// pixels. Items below its bottom are out of view.
inline constexpr TwipsRect kClientArea{3255, 2400, 9075, 6795};

// Where a line is drawn: on the diagram under the dots, over the dots as an
// event marker, or inside the strip chart in the chart's own coordinates.
enum class LineLayer { Diagram, Marker, Chart };

struct LineDesign {
    const char* name;
    LineItem FormItems::*member;
    LineItem ends;
    Pen pen;
    LineLayer layer;
};

using namespace geometry;

// The band lines stand for the boxes' first Fermi levels without bias.
inline constexpr std::array<LineDesign, 19> kLines{{
    {"Line1",
     &FormItems::Line1,
     {kBandLinesLeft, kConductionEdgeN, kJunctionLeft, kConductionEdgeN},
     kSolid,
     LineLayer::Diagram},
    {"Line2",
     &FormItems::Line2,
     {kBandLinesLeft, kValenceEdgeN, kJunctionLeft, kValenceEdgeN},
     kSolid,
     LineLayer::Diagram},
    {"Line3",
     &FormItems::Line3,
     {kBandLinesLeft, kDesignFermiY, kJunctionLeft, kDesignFermiY},
     kDashDot,
     LineLayer::Diagram},
    {"Line4",
     &FormItems::Line4,
     {kJunctionRightUnbiased, kDesignConductionEdgeP, kCrystalRight, kDesignConductionEdgeP},
     kSolid,
     LineLayer::Diagram},
    {"Line5",
     &FormItems::Line5,
     {kJunctionRightUnbiased, kDesignValenceEdgeP, kCrystalRight, kDesignValenceEdgeP},
     kSolid,
     LineLayer::Diagram},
    {"Line6", &FormItems::Line6, {0, 1440, 2640, 1440}, kSolid, LineLayer::Chart},
    {"Line7", &FormItems::Line7, {1320, 5880, 2040, 5880}, kSolid, LineLayer::Diagram},
    {"Line8",
     &FormItems::Line8,
     {kJunctionRightUnbiased, kDesignFermiY, kCrystalRight, kDesignFermiY},
     kDashDot,
     LineLayer::Diagram},
    {"Line9",
     &FormItems::Line9,
     {kJunctionLeft, kConductionEdgeN, kJunctionRightUnbiased, kDesignConductionEdgeP},
     kSolid,
     LineLayer::Diagram},
    {"Line10",
     &FormItems::Line10,
     {kJunctionLeft, kValenceEdgeN, kJunctionRightUnbiased, kDesignValenceEdgeP},
     kSolid,
     LineLayer::Diagram},
    {"Line11", &FormItems::Line11, {2160, 4560, 2160, 5040}, kSolid, LineLayer::Diagram},
    {"Line12", &FormItems::Line12, {1560, 4800, 1320, 4800}, kSolid, LineLayer::Diagram},
    {"Line13", &FormItems::Line13, {3000, 4800, 3000, 5880}, kSolid, LineLayer::Diagram},
    {"Line14", &FormItems::Line14, {2760, 4800, 3000, 4800}, kSolid, LineLayer::Diagram},
    {"Line15", &FormItems::Line15, {1320, 5880, 1320, 4800}, kSolid, LineLayer::Diagram},
    {"Line16", &FormItems::Line16, {2160, 5640, 2160, 6120}, kSolid, LineLayer::Diagram},
    {"Line17", &FormItems::Line17, {2160, 5880, 3000, 5880}, kSolid, LineLayer::Diagram},
    {"Line18",
     &FormItems::Line18,
     {3120, kConductionEdgeN, 3120, kValenceEdgeN},
     {kRed, LineStyle::Solid},
     LineLayer::Marker},
    {"Line19",
     &FormItems::Line19,
     {2640, kConductionEdgeN, 2640, kValenceEdgeN},
     {kBlue, LineStyle::Solid},
     LineLayer::Marker},
}};

// The carrier dots: a black outline filled black for an electron, white for
// a hole.
struct DotsDesign {
    DotArray FormItems::*member;
    Colour fill;
};

inline constexpr std::array<DotsDesign, 2> kDots{{
    {&FormItems::Shape1, kBlack},
    {&FormItems::Shape2, kWhite},
}};

struct LabelDesign {
    const char* name;
    const char* caption;
    TwipsRect box;
    const Font& font;
};

// Captions are drawn from the box's top left and wrap at its right edge.
inline constexpr std::array<LabelDesign, 20> kLabels{{
    {"Label2(0)", "E", {960, 1680, 255, 255}, kLetterFont},
    {"Label2(2)", "C", {1200, 1800, 255, 255}, kDefaultFont},
    {"Label2(4)", "E", {960, 2040, 255, 255}, kLetterFont},
    {"Label2(5)", "F", {1200, 2160, 255, 255}, kDefaultFont},
    {"Label2(1)", "E", {960, 3000, 255, 255}, kLetterFont},
    {"Label2(3)", "V", {1200, 3120, 255, 255}, kDefaultFont},
    {"Label14", "n", {1800, 4680, 255, 255}, kDefaultFont},
    {"Label6", "p", {2400, 4680, 255, 255}, kDefaultFont},
    {"Label3", KESTREL_TEXT("design", "Fermi level (eV)"), {3000, 4200, 1575, 375}, kDefaultFont},
    {"Label5", KESTREL_TEXT("design", "Bias (V)"), {2880, 6120, 1455, 375}, kDefaultFont},
    {"Label11", KESTREL_TEXT("design", "Current (mA)"), {3360, 5280, 855, 375}, kDefaultFont},
    {"Label15",
     KESTREL_TEXT(
         "design",
         "Attention\uff1a\u3000This is just for have an image of p-n junction. So, the current value is not "
         "correct."),
     {5160, 6000, 3135, 615},
     kDefaultFont},
    {"Label1", KESTREL_TEXT("design", "\u6e29\u5ea6(K)"), {6120, 7800, 615, 255}, kDefaultFont},
    {"Label4", KESTREL_TEXT("design", "\u96fb\u5b50\u6570"), {6120, 8160, 735, 255}, kDefaultFont},
    {"Label8", KESTREL_TEXT("design", "\u6b63\u5b54\u6570"), {6120, 8400, 735, 255}, kDefaultFont},
    {"Label10", KESTREL_TEXT("design", "\u96fb\u5b50\u6fc3\u5ea6"), {1800, 7440, 375, 495}, kDefaultFont},
    {"Label9", "t", {4800, 8880, 375, 255}, kDefaultFont},
    {"Label12", "0", {2040, 8760, 255, 255}, kDefaultFont},
    {"Label13", KESTREL_TEXT("design", "p\u5f62"), {5280, 7920, 495, 255}, kDefaultFont},
    {"Label7", KESTREL_TEXT("design", "n\u5f62"), {5280, 8520, 495, 255}, kDefaultFont},
}};

enum class ShapeKind { Rectangle, FilledRectangle, Circle };

// The circuit's shapes, outlined in black; a filled one is black inside.
struct ShapeDesign {
    const char* name;
    ShapeKind kind;
    TwipsRect box;
};

inline constexpr std::array<ShapeDesign, 4> kShapes{{
    {"Shape3", ShapeKind::Rectangle, {1560, 4560, 1215, 495}},
    {"Shape4", ShapeKind::FilledRectangle, {1920, 5760, 135, 255}},
    {"Shape5", ShapeKind::Circle, {600, 7680, 255, 255}},
    {"Shape6", ShapeKind::Rectangle, {360, 8160, 375, 255}},
}};

// A text box, named for screen readers and in input errors by the caption
// beside it. Marked as the boxes' names (context "boxes"): in a language of
// their own they are worded in full, where the labels must fit their boxes.
struct TextBoxDesign {
    const char* name;
    TextBoxItem FormItems::*member;
    const char* caption;
    TwipsRect box;
    int tabIndex;
    const char* text;
    bool enabled;
};

inline constexpr std::array<TextBoxDesign, 7> kTextBoxes{{
    {"Text1",
     &FormItems::Text1,
     KESTREL_TEXT("boxes", "\u6e29\u5ea6(K)"),
     {6840, 7800, 495, 270},
     2,
     "300",
     true},
    {"Text2",
     &FormItems::Text2,
     KESTREL_TEXT("boxes", "Fermi level (eV), n side"),
     {1560, 4200, 495, 270},
     10,
     "0.8",
     false},
    {"Text3",
     &FormItems::Text3,
     KESTREL_TEXT("boxes", "Fermi level (eV), p side"),
     {2280, 4200, 495, 270},
     12,
     "0.2",
     false},
    {"Text4", &FormItems::Text4, KESTREL_TEXT("boxes", "Bias (V)"), {2280, 6000, 495, 270}, 14, "0", true},
    {"Text5",
     &FormItems::Text5,
     KESTREL_TEXT("boxes", "\u96fb\u5b50\u6570"),
     {6840, 8160, 495, 270},
     25,
     "0.2",
     true},
    {"Text6",
     &FormItems::Text6,
     KESTREL_TEXT("boxes", "\u6b63\u5b54\u6570"),
     {6840, 8400, 495, 270},
     16,
     "0",
     true},
    {"Text7",
     &FormItems::Text7,
     KESTREL_TEXT("boxes", "Current (mA)"),
     {2760, 5280, 495, 270},
     18,
     "0",
     true},
}};

struct ButtonDesign {
    const char* name;
    const char* caption;
    TwipsRect box;
    int tabIndex;
    void (Form1::*click)();
};

inline constexpr std::array<ButtonDesign, 3> kButtons{{
    {"Command1", KESTREL_TEXT("design", "Start"), {5280, 4440, 1215, 495}, 0, &Form1::Command1_Click},
    {"Command2", KESTREL_TEXT("design", "Close"), {5280, 5160, 1215, 495}, 1, &Form1::Command2_Click},
    {"Command3", KESTREL_TEXT("design", "Restart"), {6720, 4440, 1215, 495}, 29, &Form1::Command3_Click},
}};

struct TimerDesign {
    const char* name;
    TimerItem FormItems::*member;
    TimerItem start;  // interval and whether it runs when the window is created
    void (Form1::*tick)();
};

inline constexpr std::array<TimerDesign, 4> kTimers{{
    {"Timer1", &FormItems::Timer1, {50, false}, &Form1::Timer1_Timer},
    {"Timer2", &FormItems::Timer2, {10000, true}, &Form1::Timer2_Timer},
    {"Timer3", &FormItems::Timer3, {200, false}, &Form1::Timer3_Timer},
    {"Timer4", &FormItems::Timer4, {200, false}, &Form1::Timer4_Timer},
}};

// The strip chart, below the visible area.
struct PictureDesign {
    const char* name;
    const char* caption;
    TwipsRect box;
    int tabIndex;
};

inline constexpr PictureDesign kPicture1{
    "Picture1", KESTREL_TEXT("boxes", "\u96fb\u5b50\u6fc3\u5ea6"), {2160, 7440, 2655, 1455}, 20};

// The caption of the box that `member` is.
constexpr const char* captionOf(TextBoxItem FormItems::*member) {
    for (const auto& box : kTextBoxes) {
        if (box.member == member) {
            return box.caption;
        }
    }
    return "";
}

}  // namespace kestrel::design

namespace kestrel {

// A timer's tick runs its procedure only while the timer is enabled.
inline void tick(Form1& form, const design::TimerDesign& timer) {
    if ((form.*timer.member).Enabled) {
        (form.*timer.tick)();
    }
}

}  // namespace kestrel
