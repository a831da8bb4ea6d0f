#include "core/form/design.h"
#include "core/form/form1.h"
#include "core/numbers/text_number.h"

// The buttons and the readout and marker timers.
namespace kestrel {

void Form1::Command1_Click() {
    CheckSetupInputs();
    SetupJunction();
    SeedCarriers();
}

// Ends the program at once: every timer stops and no event runs after it.
void Form1::Command2_Click() {
    ended_ = true;
    for (const auto& event : design::kTimers) {
        (this->*event.member).Enabled = false;
    }
}

void Form1::Command3_Click() {
    CheckSetupInputs();
    SetupJunction();
}

void Form1::Timer2_Timer() {
    Text7.Text = formatCount(CrossCount);
    CrossCount = 0;
}

void Form1::Timer3_Timer() {
    Line18.Visible = false;
    Timer3.Enabled = false;
}

void Form1::Timer4_Timer() {
    Line19.Visible = false;
    Timer4.Enabled = false;
}

}  // namespace kestrel
