#pragma once

#include <string>
#include <vector>

#include "core/form/form1.h"

// The "Current (mA)" readouts of a session, with what they were taken
// under, for a chart of current against bias and for export.
namespace kestrel::session {

struct Readout {
    long tick;         // Timer1 ticks of the session before the readout
    long formMs;       // the form's time when it was shown, milliseconds since load
    std::string bias;  // the bias the junction was set up with, as typed with a decimal point;
                       // empty before "Start"
    double biasVolts;  // the same as a number
    int temperature;   // kelvin, as set up
    int current;       // what the readout shows
    int electrons;
    int holes;
    bool partial;  // the first after a set-up: it covers less than a whole interval
    bool running;  // taken while the carriers move, after "Start"

    bool operator==(const Readout&) const = default;
};

class ReadoutLog {
public:
    // "Start" or "Restart" set the junction up from the boxes.
    void setUp(const Form1& form);
    // Timer2 is about to show the form's count, `formMs` after the load.
    void read(const Form1& form, long tick, double formMs);

    // Every readout, those before "Start" included.
    [[nodiscard]] const std::vector<Readout>& entries() const { return entries_; }
    // One line per readout taken after "Start", under a header line.
    [[nodiscard]] std::string csv() const;

    // The I–V chart starts afresh from the next readout; the log keeps all.
    void clearChart() { chartFrom_ = entries_.size(); }
    // The readouts the I–V chart shows: those after "Start" since it was
    // last cleared.
    [[nodiscard]] std::vector<Readout> charted() const;

private:
    std::vector<Readout> entries_;
    std::string bias_;
    double biasVolts_ = 0;
    bool partial_ = false;
    std::size_t chartFrom_ = 0;
};

// Milliseconds (not negative) as seconds, written exactly: 10000 gives
// "10", 12500 "12.5", 50 "0.05".
std::string secondsText(long ms);

}  // namespace kestrel::session
