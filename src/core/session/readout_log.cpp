#include "core/session/readout_log.h"

#include <algorithm>

#include "core/numbers/plain_number_text.h"
#include "core/numbers/text_number.h"

namespace kestrel::session {

// The set-up has read the bias box, so its text is a number.
void ReadoutLog::setUp(const Form1& form) {
    biasVolts_ = parseNumber(form.Text4.Text).value_or(0);
    bias_ = plainNumberText(form.Text4.Text);
    std::replace(bias_.begin(), bias_.end(), ',', '.');
    partial_ = true;
}

void ReadoutLog::read(const Form1& form, long tick) {
    entries_.push_back({tick, bias_, biasVolts_, form.Temperature, form.CrossCount, form.ElectronCount,
                        form.HoleCount, partial_});
    partial_ = false;
}

std::string ReadoutLog::csv() const {
    std::string text = "tick,bias_v,temperature_k,current,electrons,holes,partial\n";
    for (const Readout& r : entries_) {
        text += std::to_string(r.tick) + ',' + r.bias + ',' + std::to_string(r.temperature) + ',' +
                std::to_string(r.current) + ',' + std::to_string(r.electrons) + ',' +
                std::to_string(r.holes) + ',' + (r.partial ? "yes" : "no") + '\n';
    }
    return text;
}

}  // namespace kestrel::session
