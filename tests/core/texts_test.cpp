#include "core/form/texts.h"

#include <gtest/gtest.h>

#include "core/form/form1.h"
#include "core/numbers/run_time_error.h"
#include "core/picture/diagram_description.h"

// The texts a user reads: blanks filled in, errors worded for translation,
// the band diagram in words.
namespace kestrel {
namespace {

TEST(Texts, FillInReplacesEachBlankOnceAndLeavesTheRest) {
    EXPECT_EQ(texts::fillIn("%2 before %1", {"a", "b"}), "b before a");
    EXPECT_EQ(texts::fillIn("%1: \"%2\"", {"Bias (V)", "%1%2"}), "Bias (V): \"%1%2\"");
    EXPECT_EQ(texts::fillIn("100% of %3 and %", {"x"}), "100% of %3 and %");
}

TEST(Texts, AnInputErrorKeepsItsMessageAndHowItIsWorded) {
    Form1 form;
    form.Form_Load();
    form.Text4.Text = "0,3x";
    try {
        form.Command1_Click();
        FAIL() << "no input error";
    } catch (const RunTimeError& error) {
        EXPECT_STREQ(error.what(), "Bias (V): \"0,3x\" is not a number.");
        EXPECT_STREQ(error.wording().pattern, "%1: \"%2\" is not a number.");
        EXPECT_EQ(error.wording().caption, "Bias (V)");
        EXPECT_EQ(error.wording().text, "0,3x");
    }
}

picture::DiagramFacts afterStart(const char* bias) {
    Form1 form;
    form.Form_Load();
    form.Text4.Text = bias;
    form.Command1_Click();
    return picture::diagramFacts(form);
}

TEST(DiagramDescription, TellsTheBiasTheBarrierTheCarriersAndTheReadout) {
    Form1 form;
    form.Form_Load();
    EXPECT_EQ(picture::describeDiagram(picture::diagramFacts(form)),
              "The bands without bias, and no carriers yet: Start places them. Current (mA): 0.");

    const picture::DiagramFacts forward = afterStart("0.3");
    EXPECT_EQ(forward.barrier, picture::Barrier::Lowered);
    EXPECT_EQ(picture::describeDiagram(forward),
              "Bias 0.3 V, forward: the barrier is lowered. Electrons: 80, holes: 80. Current (mA): 0.");
    picture::DiagramFacts reverse = afterStart("-2");  // held at the limit
    reverse.readout = "-12";
    EXPECT_EQ(picture::describeDiagram(reverse),
              "Bias -0.7 V, reverse: the barrier is raised. Electrons: 80, holes: 80. Current (mA): -12.");
    EXPECT_EQ(afterStart("0").barrier, picture::Barrier::Unbiased);
    EXPECT_EQ(afterStart("0.59").bias, 0.59);
}

TEST(DiagramDescription, BiasesReadAsTheBoxWouldShowThem) {
    EXPECT_EQ(picture::voltsText(0.3), "0.3");
    EXPECT_EQ(picture::voltsText(-0.7), "-0.7");
    EXPECT_EQ(picture::voltsText(0.59), "0.59");
    EXPECT_EQ(picture::voltsText(0.1233), "0.12");
    EXPECT_EQ(picture::voltsText(-0.001), "0");
    EXPECT_EQ(picture::voltsText(1), "1");
}

}  // namespace
}  // namespace kestrel
