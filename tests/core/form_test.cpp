#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <utility>

#include "form_dump.h"
#include "model/form1.h"
#include "model/run_time_error.h"

// The junction set-up from the boxes, the Fermi level across it, and what a
// box that is not a number does to "Start" and "Restart".
namespace kestrel {
namespace {

Form1 loadedForm() {
    Form1 form;
    form.Form_Load();
    return form;
}

// JunctionRight, FermiYn, FermiYp, EvYp, EcYp.
using Geometry = std::array<int, 5>;

Geometry geometryOf(const Form1& f) {
    return {f.JunctionRight, f.FermiYn, f.FermiYp, f.EvYp, f.EcYp};
}

TEST(SetupJunction, BiasIsHeldWithinItsLimitsAndMovesThePSide) {
    const std::tuple<const char*, const char*, Geometry> cases[] = {
        {"-2", "-0.7", {6000, 2160, 1320, 1560, 360}},
        {"-0,70", "-0.7", {6000, 2160, 1320, 1560, 360}},
        {"0", "0", {5160, 2160, 2160, 2400, 1200}},
        {"0.00125", "0.00125", {5158, 2160, 2162, 2402, 1202}},
        {"0.3", "0.3", {4800, 2160, 2520, 2760, 1560}},
        {" 0.590 ", "0.59", {4452, 2160, 2868, 3108, 1908}},
        {"0.6", "0.59", {4452, 2160, 2868, 3108, 1908}},
    };
    for (const auto& [bias, shown, geometry] : cases) {
        Form1 form = loadedForm();
        form.Text4.Text = bias;
        form.SetupJunction();
        EXPECT_EQ(form.Text4.Text, shown) << bias;
        EXPECT_EQ(geometryOf(form), geometry) << bias;
    }
}

TEST(SetupJunction, EachLevelBuildsOnTheRoundedLevelBeforeIt) {
    // Every sum here is a tie (FermiYn 2158.5, FermiYp 2158 + 4.5, EvYp 2162 + 238.5, EcYp 2162 - 961.5);
    // built on the unrounded levels the p side would come out at 2163, 2402 and 1202.
    Form1 form = loadedForm();
    form.Text2.Text = "0.80125";
    form.Text3.Text = "0.19875";
    form.Text4.Text = "0.00375";
    form.SetupJunction();
    EXPECT_EQ(geometryOf(form), (Geometry{5156, 2158, 2162, 2400, 1200}));
}

TEST(SetupJunction, TemperatureGoesTo16BitsWithTiesToEven) {
    for (const auto& [text, kelvin] :
         {std::pair{"300.5", 300}, {"301.5", 302}, {"-32768.5", -32768}, {"32767", 32767}}) {
        Form1 form = loadedForm();
        form.Text1.Text = text;
        form.Command3_Click();
        EXPECT_EQ(form.Temperature, kelvin) << text;
    }
}

TEST(FermiLevelAt, FlatOnEitherSideAndRoundedAcrossTheRegion) {
    Form1 form = loadedForm();
    form.Text4.Text = "0.3";  // FermiYn 2160, FermiYp 2520, region 4080..4800: slope 0.5
    form.SetupJunction();
    const std::pair<float, int> cases[] = {{4080, 2160}, {4800, 2520}, {1400, 2160}, {8160, 2520},
                                           {4100, 2170}, {4441, 2340}, {4443, 2342}, {4799.75F, 2520}};
    for (const auto& [x, fermiY] : cases) {
        form.FermiYAtX = -1;
        form.X = x;
        form.FermiLevelAt();
        EXPECT_EQ(form.FermiYAtX, fermiY) << "X = " << x;
    }
}

TEST(BadInput, StartAndRestartNameTheBoxQuoteItsTextAndChangeNothing) {
    const std::tuple<TextBoxItem FormItems::*, const char*, const char*> cases[] = {
        {&FormItems::Text4, "abc", "Bias (V)"},           {&FormItems::Text4, "", "Bias (V)"},
        {&FormItems::Text1, "40000", "温度(K)"},          {&FormItems::Text1, "32767.5", "温度(K)"},
        {&FormItems::Text2, "0.8.0", "Fermi level (eV)"}, {&FormItems::Text3, "1e3", "Fermi level (eV)"},
    };
    for (const auto& [box, text, caption] : cases) {
        for (void (Form1::*button)() : {&Form1::Command1_Click, &Form1::Command3_Click}) {
            Form1 form = loadedForm();
            form.Command1_Click();
            form.Text4.Text = "0.6";  // a set-up that got under way would hold it to 0.59
            (form.*box).Text = text;
            const std::string before = dumpForm(form);
            try {
                (form.*button)();
                ADD_FAILURE() << '"' << text << "\" was taken";
            } catch (const RunTimeError& error) {
                const std::string message = error.what();
                EXPECT_EQ(error.kind(), ErrorKind::Input) << message;
                EXPECT_NE(message.find(caption), std::string::npos) << message;
                EXPECT_NE(message.find('"' + std::string(text) + '"'), std::string::npos) << message;
            }
            EXPECT_EQ(dumpForm(form), before) << text;
        }
    }
}

}  // namespace
}  // namespace kestrel
