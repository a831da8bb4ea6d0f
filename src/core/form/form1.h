#pragma once

#include "core/form/form_items.h"
#include "core/form/simulation_state.h"
#include "core/numbers/random_source.h"

namespace kestrel {

// The one window object: the simulation state, the window's items and the
// procedures that act on them. The eight window events are its public face;
// whoever hosts the form (the Qt window, the replay tool, a browser page, a
// test) forwards them and shows the items.
//
// A procedure that fails throws RunTimeError. One of kind Input comes from a
// box that is not a number, before anything has changed; any other kind is
// fatal and the host ends the program.
class Form1 : public SimulationState, public FormItems {
public:
    // The window events (controls/commands.cpp, setup/form_load.cpp,
    // step/timer1_timer.cpp).
    void Form_Load();
    void Command1_Click();  // "Start"
    void Command2_Click();  // "Close"
    void Command3_Click();  // "Restart"
    void Timer1_Timer();    // the 50 ms step
    void Timer2_Timer();    // the 10 s current readout
    void Timer3_Timer();    // end of the generation flash
    void Timer4_Timer();    // end of the recombination flash

    // The set-up (setup/).
    void SetupJunction();
    // The y of the Fermi level at x; also kept in FermiYAtX.
    Int16 FermiLevelAt(float x);
    void RollBins();
    void SeedCarriers();

    // The step (step/), in the order a tick runs them. A move returns whether
    // the carrier ends on its home side; a contact is given how many did.
    bool MoveElectron(Int16 electron);
    void ElectronContact(Int16 onHomeSide);
    bool MoveHole(Int16 hole);
    void HoleContact(Int16 onHomeSide);
    void PlotChartPoint();

    // The pair events (pair_events/).
    void GeneratePair();
    void RecombinePair();

    // Converts every box SetupJunction reads, so that a bad text is reported
    // before the first change instead of halfway through the set-up.
    void CheckSetupInputs() const;

    // True once "Close" has ended the program.
    [[nodiscard]] bool ended() const { return ended_; }

    RandomSource& random() { return random_; }
    [[nodiscard]] const RandomSource& random() const { return random_; }

private:
    // The end of every move: drift away from the neighbour bin that was more
    // crowded last tick, the crystal's ends, and the count of the bin the
    // carrier ends in.
    void DriftAndCount(DotItem& dot, const BinArray& binsPrev, BinArray& bins, Int16 spanStart,
                       Int16 spanEnd) const;

    // Stands a marker line across the band gap at x, from the conduction
    // edge down to the valence edge.
    void SpanGap(LineItem& marker, float x) const;

    RandomSource random_;
    bool ended_ = false;
};

}  // namespace kestrel
