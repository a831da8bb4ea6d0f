// Arbitrary scripts through the replay engine, line by line, as
// kestrel-replay would run them, checking after every event what the engine
// and the simulation promise:
//
//  - runLine returns no status, or one of the documented ones: 0 after
//    "click Command2" (the form has ended and {"end":true} was written), 1
//    after a fatal run-time error (written as one error object of kind
//    overflow, subscript or float, "fatal":true, and explained in a complaint
//    naming the line on the error stream), 2 for a line that is not a command
//    (such a complaint, nothing on the output). The input stops at any status.
//  - Without a status the output is nothing, one dump for "dump", or one
//    input error ("kind":"input","fatal":false) for "Start" or "Restart".
//    Those give an input error exactly when a box they read is not a number
//    (or the temperature not a 16-bit one), and it leaves the whole form as
//    it was, random draws included: a bad text is never fatal.
//  - Once "Start" has placed the carriers, brokenInvariant
//    (tests/replay/carrier_invariants.h) finds nothing after any event.
//
// Work is bounded so that every input runs in milliseconds: a tick line runs
// at most kMostTicksPerLine ticks and one input at most kTickBudget in all;
// beyond that tick lines are shortened, then skipped. "tick TIMER N" is run as
// N lines "tick TIMER", which is the same thing to the engine, so that the
// invariants are checked after every tick.
//
// The invariants are checked while the carriers move under the window's
// Fermi levels. The boxes Text2 and Text3 are disabled in the window (0.8 and
// 0.2 eV); scripts may type other levels, and those runs get every check but
// the invariants, which do not hold for all of them (see fuzz/README.md).
// KESTREL_FUZZ_FERMI widens the invariants' domain, to find such runs:
//   window  levels 0.8 and 0.2 read by the last "Start" and every "Restart"
//           since, the default
//   gap     both levels within the band gap, 0 to 1 eV, as the long runs
//           use them
//   any     every level
//
// A failed check prints the problem and the script so far (as run, with the
// shortened tick lines), then traps.

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "carrier_invariants.h"
#include "core/dump/form_dump.h"
#include "core/form/form1.h"
#include "core/numbers/text_number.h"
#include "replay_engine.h"

namespace {

constexpr long kMostTicksPerLine = 200;
constexpr long kTickBudget = 1000;

enum class FermiDomain { Window, Gap, Any };
FermiDomain fermiDomain = FermiDomain::Window;

// Keeps the first and last few bytes written and how many there were;
// everything in between is discarded, so dumps cost next to nothing.
class EndsBuffer : public std::streambuf {
public:
    void clear() {
        head_.clear();
        tail_.clear();
        size_ = 0;
        newlines_ = 0;
    }
    [[nodiscard]] const std::string& head() const { return head_; }
    [[nodiscard]] const std::string& tail() const { return tail_; }
    [[nodiscard]] std::size_t size() const { return size_; }
    [[nodiscard]] std::size_t newlines() const { return newlines_; }

protected:
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            put(traits_type::to_char_type(c));
        }
        return traits_type::not_eof(c);
    }

    std::streamsize xsputn(const char* s, std::streamsize n) override {
        for (std::streamsize k = 0; k < n; ++k) {
            put(s[k]);
        }
        return n;
    }

private:
    static constexpr std::size_t kKept = 128;

    void put(char c) {
        if (head_.size() < kKept) {
            head_.push_back(c);
        }
        if (tail_.size() == 2 * kKept) {
            tail_.erase(0, kKept);
        }
        tail_.push_back(c);
        ++size_;
        newlines_ += c == '\n' ? 1 : 0;
    }

    std::string head_;
    std::string tail_;  // at least the last kKept bytes
    std::size_t size_ = 0;
    std::size_t newlines_ = 0;
};

[[noreturn]] void fail(const std::vector<std::string>& script, const std::string& problem) {
    std::fprintf(stderr, "replay_fuzz: %s\nreplay_fuzz: the script so far (%zu lines):\n", problem.c_str(),
                 script.size());
    for (const std::string& line : script) {
        std::fprintf(stderr, "  | ");
        std::fwrite(line.data(), 1, line.size(), stderr);
        std::fputc('\n', stderr);
    }
    std::fflush(stderr);
    __builtin_trap();
}

// The engine's own split: the first word, and what follows its first space.
std::string_view firstWord(std::string_view text, std::string_view& rest) {
    const auto space = text.find(' ');
    rest = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
    return space == std::string_view::npos ? text : text.substr(0, space);
}

struct TickLine {
    std::string_view timer;
    long count;
};

// A "tick" line the engine will run, with its timer and count; nothing for
// any other line, including tick lines the engine refuses. Parsed exactly as
// the engine parses it.
std::optional<TickLine> tickLine(std::string_view line) {
    std::string_view rest;
    if (firstWord(line, rest) != "tick") {
        return std::nullopt;
    }
    std::string_view countText;
    const std::string_view timer = firstWord(rest, countText);
    if (timer != "Timer1" && timer != "Timer2" && timer != "Timer3" && timer != "Timer4") {
        return std::nullopt;
    }
    if (rest.find(' ') == std::string_view::npos) {
        return TickLine{timer, 1};
    }
    long count = 0;
    const char* end = countText.data() + countText.size();
    const auto [stop, error] = std::from_chars(countText.data(), end, count);
    if (countText.empty() || error != std::errc() || stop != end || count < 0) {
        return std::nullopt;
    }
    return TickLine{timer, count};
}

// Whether the invariants are checked for carriers moving under the n- and
// p-side Fermi levels in these box texts.
bool invariantDomainCovers(const std::string& textN, const std::string& textP) {
    const std::optional<double> levelN = kestrel::parseNumber(textN);
    const std::optional<double> levelP = kestrel::parseNumber(textP);
    if (!levelN || !levelP) {
        return false;  // no set-up can have read them
    }
    switch (fermiDomain) {
        case FermiDomain::Window:
            return *levelN == 0.8 && *levelP == 0.2;
        case FermiDomain::Gap:
            return *levelN >= 0.0 && *levelN <= 1.0 && *levelP >= 0.0 && *levelP <= 1.0;
        case FermiDomain::Any:
            return true;
    }
    return false;
}

bool startsWith(const std::string& text, std::string_view prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool endsWith(const std::string& text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool isFatalErrorLine(const EndsBuffer& out) {
    if (out.newlines() != 1 || !startsWith(out.head(), "{\"error\":\"")) {
        return false;
    }
    for (const char* kind : {"overflow", "subscript", "float"}) {
        if (endsWith(out.tail(), std::string("\",\"kind\":\"") + kind + "\",\"fatal\":true}\n")) {
            return true;
        }
    }
    return false;
}

// Whether "Start" and "Restart" must refuse the boxes' texts: one of the
// numbers they read is not a number, or the temperature does not round to a
// 16-bit integer.
bool badSetupTexts(const kestrel::Form1& form) {
    const std::optional<double> temperature = kestrel::parseNumber(form.Text1.Text);
    if (!temperature) {
        return true;
    }
    const double rounded = std::nearbyint(*temperature);  // ties to even
    return rounded < -32768.0 || rounded > 32767.0 || !kestrel::parseNumber(form.Text4.Text) ||
           !kestrel::parseNumber(form.Text2.Text) || !kestrel::parseNumber(form.Text3.Text);
}

bool isInputErrorLine(const EndsBuffer& out) {
    return out.newlines() == 1 && startsWith(out.head(), "{\"error\":\"") &&
           endsWith(out.tail(), "\",\"kind\":\"input\",\"fatal\":false}\n");
}

class Session {
public:
    Session() : out_(&outBuffer_), err_(&errBuffer_), engine_(out_, err_) {}

    // Runs one script line; false once the replay has stopped.
    bool runScriptLine(std::string_view raw, int lineNumber) {
        // The line as the engine reads it, after dropping one "\r"; the
        // engine itself is given the raw line.
        std::string_view line = raw;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line == "click Command1" || line == "click Command3") {
            before_ = engine_.form();  // to show that an input error changes nothing
            badTexts_ = badSetupTexts(before_);
        }
        const std::optional<TickLine> tick = tickLine(line);
        if (!tick || tick->count == 0) {
            script_.emplace_back(raw);
            return check(line, lineNumber, engine_.runLine(raw, lineNumber), std::nullopt);
        }
        long ticks = tick->count < kMostTicksPerLine ? tick->count : kMostTicksPerLine;
        ticks = ticks < ticksLeft_ ? ticks : ticksLeft_;
        if (ticks == 0) {
            return true;  // out of budget: the line is skipped
        }
        ticksLeft_ -= ticks;
        const std::string single = "tick " + std::string(tick->timer);
        script_.push_back(single + " " + std::to_string(ticks));
        for (long n = 0; n < ticks; ++n) {
            if (!check(single, lineNumber, engine_.runLine(single, lineNumber), n + 1)) {
                return false;
            }
        }
        return true;
    }

private:
    // Checks what one call of runLine did; false when the replay stopped.
    bool check(std::string_view line, int lineNumber, std::optional<int> status,
               std::optional<long> tickNumber) {
        const auto where = [&] {
            return "line " + std::to_string(lineNumber) +
                   (tickNumber ? ", tick " + std::to_string(*tickNumber) : std::string()) + ": ";
        };
        const auto complaint = [&] { return "kestrel-replay: line " + std::to_string(lineNumber) + ": "; };
        const bool pressed = line == "click Command1" || line == "click Command3";
        bool stopped = true;
        if (!status) {
            stopped = false;
            if (errBuffer_.size() != 0) {
                fail(script_,
                     where() + "a complaint on the error stream without a status: " + errBuffer_.head());
            }
            if (outBuffer_.size() != 0) {
                if (line == "dump") {
                    if (outBuffer_.newlines() != 1 || !startsWith(outBuffer_.head(), "{\"ElectronCount\":")) {
                        fail(script_, where() + "dump wrote something else: " + outBuffer_.head());
                    }
                } else if (!pressed || !isInputErrorLine(outBuffer_)) {
                    fail(script_, where() +
                                      "output without a status that is neither a dump nor an input error "
                                      "from Start or Restart: " +
                                      outBuffer_.head() + " ... " + outBuffer_.tail());
                } else if (!badTexts_) {
                    fail(script_,
                         where() + "an input error for texts that are all numbers: " + outBuffer_.head());
                } else if (kestrel::dumpForm(engine_.form()) != kestrel::dumpForm(before_)) {
                    fail(script_, where() + "an input error changed the form");
                }
            }
            if (pressed && badTexts_ && outBuffer_.size() == 0) {
                fail(script_, where() + "a text that is not a number gave no input error");
            }
        } else if (*status == 0) {
            if (line != "click Command2" || !engine_.form().ended() ||
                outBuffer_.head() != "{\"end\":true}\n" || outBuffer_.size() != 13 ||
                errBuffer_.size() != 0) {
                fail(script_, where() + "status 0 other than after Close: " + outBuffer_.head());
            }
        } else if (*status == 1) {
            if (!isFatalErrorLine(outBuffer_)) {
                fail(script_, where() + "status 1 without one fatal error object of a known kind: " +
                                  outBuffer_.head() + " ... " + outBuffer_.tail());
            }
            if (!startsWith(errBuffer_.head(), complaint())) {
                fail(script_, where() + "status 1 without a complaint naming the line: " + errBuffer_.head());
            }
            if (pressed && badTexts_) {
                fail(script_,
                     where() + "a text that is not a number gave a fatal error: " + outBuffer_.head());
            }
        } else if (*status == 2) {
            if (outBuffer_.size() != 0 || !startsWith(errBuffer_.head(), complaint())) {
                fail(script_, where() + "status 2 without a complaint naming the line: " + errBuffer_.head());
            }
        } else {
            fail(script_, where() + "undocumented status " + std::to_string(*status));
        }

        // A set-up that went through fixes the Fermi levels the carriers
        // move under until the next one. "Start" places every carrier
        // afresh; after "Restart" some may still sit where the levels before
        // put them, so all levels since the last "Start" must be covered.
        const kestrel::Form1& form = engine_.form();
        if (pressed && !status && outBuffer_.size() == 0) {
            const bool covered = invariantDomainCovers(form.Text2.Text, form.Text3.Text);
            levelsCovered_ = line == "click Command1" ? covered : levelsCovered_ && covered;
        }
        // The invariants are about carriers that have been placed: before the
        // first "Start" every dot sits at its design place. After a fatal
        // error the program has ended and the form may be halfway through the
        // event; a refused line changed nothing.
        seeded_ = seeded_ || form.Timer1.Enabled;
        if (seeded_ && levelsCovered_ && (!status || *status == 0)) {
            if (const std::string broken = kestrel::brokenInvariant(form); !broken.empty()) {
                fail(script_, where() + "carrier invariant broken: " + broken);
            }
        }
        outBuffer_.clear();
        errBuffer_.clear();
        return !stopped;
    }

private:
    EndsBuffer outBuffer_;
    EndsBuffer errBuffer_;
    std::ostream out_;
    std::ostream err_;
    kestrel::ReplayEngine engine_;
    kestrel::Form1 before_;
    std::vector<std::string> script_;
    long ticksLeft_ = kTickBudget;
    bool seeded_ = false;
    bool levelsCovered_ = false;
    bool badTexts_ = false;  // at the last "Start" or "Restart"
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    const char* domain = std::getenv("KESTREL_FUZZ_FERMI");
    if (domain == nullptr || std::strcmp(domain, "window") == 0) {
        fermiDomain = FermiDomain::Window;
    } else if (std::strcmp(domain, "gap") == 0) {
        fermiDomain = FermiDomain::Gap;
    } else if (std::strcmp(domain, "any") == 0) {
        fermiDomain = FermiDomain::Any;
    } else {
        std::fprintf(stderr, "replay_fuzz: KESTREL_FUZZ_FERMI must be window, gap or any, not %s\n", domain);
        std::exit(2);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    Session session;
    std::size_t start = 0;
    // Lines as std::getline reads them: a last line without "\n" counts, an
    // empty one after the last "\n" does not.
    for (int lineNumber = 1; start < input.size(); ++lineNumber) {
        const std::size_t newline = input.find('\n', start);
        const std::size_t end = newline == std::string_view::npos ? input.size() : newline;
        const std::string_view line = input.substr(start, end - start);
        if (!session.runScriptLine(line, lineNumber)) {
            break;
        }
        start = end + 1;
    }
    return 0;
}
