// Any bytes as a replay script, run line by line through the engine as
// kestrel-replay runs them, checking after every event what the engine and
// the simulation promise:
//
//  - the replay stops only with status 0 after "click Command2" ({"end":true}
//    written), 1 with one fatal error object written, 2 with a complaint
//    naming the line on the error stream;
//  - otherwise it writes one dump for "dump", one input error for "Start" or
//    "Restart" exactly when a box they read is not a number (or the
//    temperature not a 16-bit one), leaving the whole form as it was, and
//    nothing else;
//  - once "Start" has placed the carriers, and while every set-up since used
//    Fermi levels the invariants cover, brokenInvariant finds nothing.
//
// "tick TIMER N" runs as N single ticks, so that the invariants are checked
// after each; at most 200 a line and 1000 an input, so that every input runs
// in milliseconds. A failed check prints the problem and the script as run,
// then traps.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "carrier_invariants.h"
#include "form_dump.h"
#include "model/text_number.h"
#include "replay_engine.h"

namespace {

constexpr long kMostTicksPerLine = 200;
constexpr long kTickBudget = 1000;

// The count of a "tick TimerK N" line the engine accepts; nothing for any
// other line.
std::optional<long> tickCount(std::string_view line) {
    if (line.size() < 13 || !line.starts_with("tick Timer") || line[10] < '1' || line[10] > '4' ||
        line[11] != ' ') {
        return std::nullopt;
    }
    long count = -1;
    const auto [end, error] = std::from_chars(line.data() + 12, line.data() + line.size(), count);
    return error == std::errc() && end == line.data() + line.size() && count >= 0 ? std::optional(count)
                                                                                  : std::nullopt;
}

// Whether "Start" and "Restart" must refuse the boxes' texts.
bool refused(const kestrel::Form1& form) {
    const std::optional<double> kelvin = kestrel::parseNumber(form.Text1.Text);
    return !kelvin || std::nearbyint(*kelvin) < -32768 || std::nearbyint(*kelvin) > 32767 ||
           !kestrel::parseNumber(form.Text2.Text) || !kestrel::parseNumber(form.Text3.Text) ||
           !kestrel::parseNumber(form.Text4.Text);
}

bool oneErrorLine(const std::string& out, std::string_view end) {
    return out.starts_with("{\"error\":\"") && out.ends_with(end) && out.find('\n') == out.size() - 1;
}

class Session {
public:
    // Runs one script line; false once the replay has stopped.
    bool runLine(std::string_view raw, int number) {
        std::string_view line = raw.ends_with('\r') ? raw.substr(0, raw.size() - 1) : raw;
        const std::optional<long> count = tickCount(line);
        if (!count) {
            script_.append(raw) += '\n';
            if (line == "click Command1" || line == "click Command3") {
                refuse_ = refused(form());
                before_ = kestrel::dumpForm(form());  // to show that an input error changes nothing
            }
            return check(line, number, engine_.runLine(raw, number));
        }
        const long ticks = std::min({*count, kMostTicksPerLine, ticksLeft_});
        ticksLeft_ -= ticks;
        line = line.substr(0, 11);
        script_.append(line) += " " + std::to_string(ticks) + "\n";
        for (long n = 0; n < ticks; ++n) {
            if (!check(line, number, engine_.runLine(line, number))) {
                return false;
            }
        }
        return true;
    }

private:
    [[noreturn]] void fail(int number, const std::string& problem) const {
        std::fprintf(stderr, "replay_fuzz: line %d: %s\nreplay_fuzz: the script as run:\n%s", number,
                     problem.c_str(), script_.c_str());
        __builtin_trap();
    }

    bool check(std::string_view line, int number, std::optional<int> status) {
        const bool pressed = line == "click Command1" || line == "click Command3";
        const std::string out = out_.str();
        const std::string err = err_.str();
        out_.str("");
        err_.str("");
        bool promised = false;
        if (!status) {
            const bool inputError = oneErrorLine(out, "\",\"kind\":\"input\",\"fatal\":false}\n");
            promised = err.empty() && (pressed && refuse_ ? inputError && kestrel::dumpForm(form()) == before_
                                       : line == "dump"   ? out.starts_with("{\"ElectronCount\":")
                                                          : out.empty());
        } else if (*status == 0) {
            promised = line == "click Command2" && out == "{\"end\":true}\n" && err.empty();
        } else if (*status == 1) {
            promised = !(pressed && refuse_) && err.empty() && oneErrorLine(out, "\",\"fatal\":true}\n");
        } else if (*status == 2) {
            promised =
                out.empty() && err.starts_with("kestrel-replay: line " + std::to_string(number) + ": ");
        }
        if (!promised) {
            fail(number,
                 "status " + (status ? std::to_string(*status) : "none") + ", out " + out + ", err " + err);
        }
        if (pressed && !status && out.empty()) {
            const bool covered = kestrel::keepsInvariants(*kestrel::parseNumber(form().Text2.Text),
                                                          *kestrel::parseNumber(form().Text3.Text));
            covered_ = covered && (covered_ || line == "click Command1");
        }
        if (form().Timer1.Enabled && covered_ && status.value_or(0) == 0) {
            if (const std::string broken = kestrel::brokenInvariant(form()); !broken.empty()) {
                fail(number, "carrier invariant broken: " + broken);
            }
        }
        return !status;
    }

    const kestrel::Form1& form() { return engine_.form(); }

    std::ostringstream out_;
    std::ostringstream err_;
    kestrel::ReplayEngine engine_{out_, err_};
    std::string script_;
    std::string before_;
    long ticksLeft_ = kTickBudget;
    bool refuse_ = false;  // at the last "Start" or "Restart"
    bool covered_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    Session session;
    // Lines as std::getline reads them: a last line without "\n" counts.
    for (int number = 1; !input.empty(); ++number) {
        const std::size_t end = std::min(input.find('\n'), input.size());
        if (!session.runLine(input.substr(0, end), number)) {
            break;
        }
        input.remove_prefix(std::min(end + 1, input.size()));
    }
    return 0;
}
