#include "core/controls/bias_limits.h"
#include "core/controls/box_input.h"
#include "core/form/design.h"
#include "core/form/form1.h"

// Turns the input boxes into the band geometry and moves the band lines.
namespace kestrel {
namespace {

// The boxes, named as their captions on the window name them.
constexpr std::string_view kTemperatureCaption = design::captionOf(&FormItems::Text1);
constexpr std::string_view kBiasCaption = design::captionOf(&FormItems::Text4);
constexpr std::string_view kFermiNCaption = design::captionOf(&FormItems::Text2);
constexpr std::string_view kFermiPCaption = design::captionOf(&FormItems::Text3);

constexpr double kCarriersPerEv = 80;

void moveHorizontal(LineItem& line, Int16 x1, Int16 x2, Int16 y) {
    line.Y1 = y;
    line.X1 = x1;
    line.Y2 = y;
    line.X2 = x2;
}

}  // namespace

void Form1::CheckSetupInputs() const {
    readInt16(Text1, kTemperatureCaption);
    readNumber(Text4, kBiasCaption);
    readNumber(Text2, kFermiNCaption);
    readNumber(Text3, kFermiPCaption);
}

void Form1::SetupJunction() {
    // Each box is read afresh where its value is used.
    const auto t2 = [this] { return readNumber(Text2, kFermiNCaption); };
    const auto t3 = [this] { return readNumber(Text3, kFermiPCaption); };
    const auto t4 = [this] { return readNumber(Text4, kBiasCaption); };

    CrossCount = 0;
    Temperature = readInt16(Text1, kTemperatureCaption);
    if (t4() <= kBiasLowest) {
        Text4.Text = kBiasLowestText;
    }
    if (t4() >= kBiasHighest) {
        Text4.Text = kBiasHighestText;
    }
    ElectronQuota = to16(kCarriersPerEv * t3() + kCarriersPerEv * t2());
    HoleQuota = to16(kCarriersPerEv * (1 - t3()) + kCarriersPerEv * (1 - t2()));
    JunctionRight = to16(geometry::kJunctionRightUnbiased - geometry::kTwipsPerEv * t4());
    JunctionWidth = sub16(JunctionRight, JunctionLeft);
    GapHeight = sub16(EvYn, EcYn);
    FermiYn = to16(EvYn - t2() * GapHeight);
    FermiYp = to16(t4() * GapHeight + FermiYn);
    EvYp = to16(t3() * GapHeight + FermiYp);
    EcYp = to16(FermiYp - (1 - t3()) * GapHeight);

    Line3.Y1 = FermiYn;
    Line3.Y2 = FermiYn;
    moveHorizontal(Line8, JunctionRight, XMax, FermiYp);
    moveHorizontal(Line4, JunctionRight, XMax, EcYp);
    moveHorizontal(Line5, JunctionRight, XMax, EvYp);
    Line9.Y2 = EcYp;
    Line9.X2 = JunctionRight;
    Line10.Y2 = EvYp;
    Line10.X2 = JunctionRight;
}

}  // namespace kestrel
