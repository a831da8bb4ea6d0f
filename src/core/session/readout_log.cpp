#include "core/session/readout_log.h"

#include <algorithm>
#include <cmath>

#include "core/form/readout_name.h"
#include "core/numbers/plain_number_text.h"
#include "core/numbers/text_number.h"

namespace kestrel::session {
namespace {

constexpr long kMsPerSecond = 1000;

std::string csvRow(const Readout& r) {
    return secondsText(r.formMs) + ',' + r.bias + ',' + std::to_string(r.temperature) + ',' +
           std::to_string(r.current) + ',' + std::to_string(r.electrons) + ',' + std::to_string(r.holes) +
           ',' + (r.partial ? "yes" : "no") + '\n';
}

}  // namespace

// The set-up has read the bias box, so its text is a number.
void ReadoutLog::setUp(const Form1& form) {
    biasVolts_ = parseNumber(form.Text4.Text).value_or(0);
    bias_ = plainNumberText(form.Text4.Text);
    std::replace(bias_.begin(), bias_.end(), ',', '.');
    partial_ = true;
}

// Only "Start" enables the step, and nothing disables it again.
void ReadoutLog::read(const Form1& form, long tick, double formMs) {
    entries_.push_back({tick, std::lround(formMs), bias_, biasVolts_, form.Temperature, form.CrossCount,
                        form.ElectronCount, form.HoleCount, partial_, form.Timer1.Enabled});
    partial_ = false;
}

std::string ReadoutLog::csv() const {
    std::string text =
        std::string("time_s,bias_v,temperature_k,") + texts::kReadoutColumn + ",electrons,holes,partial\n";
    for (const Readout& readout : entries_) {
        if (readout.running) {
            text += csvRow(readout);
        }
    }
    return text;
}

std::vector<Readout> ReadoutLog::charted() const {
    std::vector<Readout> shown;
    std::copy_if(entries_.begin() + static_cast<std::ptrdiff_t>(chartFrom_), entries_.end(),
                 std::back_inserter(shown), [](const Readout& readout) { return readout.running; });
    return shown;
}

std::string secondsText(long ms) {
    std::string text = std::to_string(ms / kMsPerSecond);
    if (const long fraction = ms % kMsPerSecond; fraction != 0) {
        // Three digits, the leading zeros kept, the trailing ones dropped.
        std::string digits = std::to_string(kMsPerSecond + fraction).substr(1);
        digits.erase(digits.find_last_not_of('0') + 1);
        text += '.' + digits;
    }
    return text;
}

}  // namespace kestrel::session
