// kestrel-replay [SCRIPT | -]: replays a script of window events against the
// simulation, without a window, and writes JSON Lines to standard output.
// kestrel-replay --sweep FROM:TO:STEP: the current at each bias of a range.

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <iostream>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/session/printable_text.h"
#include "descriptor_streams.h"
#include "replay_engine.h"
#include "sweep_command.h"

namespace {

constexpr int kUsageError = 2;  // the status of a script the tool cannot run

constexpr std::string_view kUsage =
    "Usage: kestrel-replay [SCRIPT | -]\n"
    "       kestrel-replay --sweep FROM:TO:STEP [--minutes M] [--picture FILE.svg]\n";

constexpr std::string_view kHelp = R"(
Replays a script of window events against the simulation, without a window,
and writes JSON Lines to standard output: the whole state for each "dump",
an error object for each error. Every run replays the same simulation. With
no SCRIPT, or "-", the script is read from standard input.

Script lines:
  type BOX TEXT    box Text1..Text7 now holds TEXT (all after the space)
  click BUTTON     Command1 "Start", Command2 "Close", Command3 "Restart"
  tick TIMER [N]   N ticks, 1 if not given, of Timer1..Timer4; a disabled
                   timer's tick does nothing
  dump             one JSON object with the whole state
  picture FILE     the window as it would be painted now, as an SVG of
                   605 x 453 pixels in FILE; a name with a control
                   character or bytes that are not UTF-8 is refused
Blank lines and lines starting with "#" are skipped. A picture goes to
FILE wherever the user running the tool may write: read a script from
someone else before running it.

I-V sweep:
  --sweep FROM:TO:STEP
                   instead of a script, measure the current at the biases
                   FROM, FROM+STEP, ... up to TO (TO itself when a step lands
                   on it), each in a fresh form as just after the program
                   starts: the bias typed into Text4, "Start", then M minutes
                   of Timer1 ticks with a Timer2 readout every 200th tick
                   (Timer3 and Timer4 only hide the event markers and are
                   not ticked).
                   The numbers are an optional "-", digits and an optional
                   "." with digits; the biases are counted exactly and
                   written with as many decimals as the finest of the three.
                   Prints CSV: bias_v,current,readouts, the current being
                   the mean of the bias's readouts to two decimals.
                   The biases must lie from -0.7 to 0.59: the bias box
                   holds any other bias at the nearest of these, so a
                   range past them is refused. At most 10000 biases, and
                   at most 6000 bias-minutes in all (biases times M, about
                   a minute on two processors). A sweep that runs longer
                   than 2 s says how far it has come on stderr, once a
                   second. The CSV is written when every bias has run.
  --minutes M      minutes of simulated time per bias, 1 to 60; 5 if not
                   given (6 readouts a minute)
  --picture FILE.svg
                   also draw the curve in FILE.svg, 600 x 450 pixels;
                   whether FILE.svg can be written is checked before the
                   sweep runs
  Example: kestrel-replay --sweep -0.7:0.59:0.05 --picture iv.svg

Each option may be given once. A picture is written whole or not at all:
it goes to a new file beside FILE that replaces FILE only when complete,
so a failed or interrupted run leaves FILE as it was. Text from the script
or the command line is quoted in messages with control characters and
bytes that are not UTF-8 written as \xNN and a backslash as \\; a quoted
line longer than 100 characters is cut, with its length in bytes after it.

Options:
  -h, --help       show this help and exit
  --version        show the version and exit

Exit status:
  0  the script ran to its end, or "Close" ended it
  1  a fatal run-time error (overflow, subscript, floating point) ended it;
     its error object is the last output line, what it means is on stderr;
     for a sweep, the form failed at the bias stderr names
  2  a line that is not a command, a script that cannot be read, output
     or a picture that cannot be written, or a usage error (a sweep range
     or option it cannot use among them); the reason is on stderr
)";

// What the command line asks for.
struct Request {
    std::optional<int> exitStatus;  // set when there is nothing to replay
    std::string script = "-";       // a path, or "-" for standard input
    std::optional<kestrel::SweepRequest> sweep;
};

// The values of the sweep's options, as given.
struct SweepOptions {
    std::optional<std::string_view> range;
    std::optional<std::string_view> minutes;
    std::optional<std::string_view> picture;
};

Request stopWith(int status) {
    Request request;
    request.exitStatus = status;
    return request;
}

int usageError(const std::string& problem) {
    std::cerr << "kestrel-replay: " << problem << '\n' << kUsage << "Try 'kestrel-replay --help'.\n";
    return kUsageError;
}

// Writes text for --help or --version; the status says whether it arrived.
int printed(std::string_view text) {
    std::cout << text << std::flush;
    if (!std::cout) {
        std::cerr << "kestrel-replay: cannot write standard output: " << kestrel::lastSystemError() << '\n';
        return kUsageError;
    }
    return 0;
}

// Reads an option of the sweep, written "--name VALUE" or "--name=VALUE",
// into `options`, moving `index` past a separate value. Returns false when
// the argument is none of them; throws std::invalid_argument when the value
// is missing or the option was given before.
bool readSweepOption(std::span<char*> arguments, std::size_t& index, SweepOptions& options) {
    const std::array<std::pair<std::string_view, std::optional<std::string_view>*>, 3> named{{
        {"--sweep", &options.range},
        {"--minutes", &options.minutes},
        {"--picture", &options.picture},
    }};
    const std::string_view argument = arguments[index];
    for (const auto& [name, value] : named) {
        const bool separate = argument == name;
        const bool joined = argument.starts_with(name) && argument.substr(name.size()).starts_with('=');
        if (!separate && !joined) {
            continue;
        }
        // A second value would silently replace the first one.
        if (*value) {
            throw std::invalid_argument(std::string(name) + " may be given only once");
        }
        if (separate && index + 1 == arguments.size()) {
            throw std::invalid_argument(std::string(name) + " needs a value");
        }
        *value = separate ? arguments[++index] : argument.substr(name.size() + 1);
        return true;
    }
    return false;
}

// The sweep the options ask for, if any; a script with it, or its options
// without it, are usage errors.
std::optional<kestrel::SweepRequest> sweepRequest(const SweepOptions& options, bool scriptGiven) {
    if (!options.range) {
        if (options.minutes || options.picture) {
            throw std::invalid_argument("--minutes and --picture are options of --sweep");
        }
        return std::nullopt;
    }
    if (scriptGiven) {
        throw std::invalid_argument("--sweep runs no script");
    }
    return kestrel::readSweepRequest(*options.range, options.minutes, options.picture);
}

Request readCommandLine(std::span<char*> arguments) {
    Request request;
    SweepOptions sweepOptions;
    bool scriptGiven = false;
    bool optionsEnded = false;
    try {
        for (std::size_t index = 0; index < arguments.size(); ++index) {
            const std::string_view argument = arguments[index];
            if (!optionsEnded && argument == "--") {
                optionsEnded = true;
            } else if (!optionsEnded && (argument == "-h" || argument == "--help")) {
                return stopWith(printed(std::string(kUsage) + std::string(kHelp)));
            } else if (!optionsEnded && argument == "--version") {
                return stopWith(printed("kestrel-replay " KESTREL_VERSION "\n"));
            } else if (!optionsEnded && readSweepOption(arguments, index, sweepOptions)) {
                continue;
            } else if (!optionsEnded && argument.size() > 1 && argument.front() == '-') {
                return stopWith(
                    usageError(std::string("unknown option ") + kestrel::script::printable(argument)));
            } else if (scriptGiven) {
                return stopWith(
                    usageError(std::string("one script at a time: ") + kestrel::script::printable(argument)));
            } else {
                request.script = argument;
                scriptGiven = true;
            }
        }
        request.sweep = sweepRequest(sweepOptions, scriptGiven);
    } catch (const std::invalid_argument& problem) {
        return stopWith(usageError(problem.what()));
    }
    return request;
}

// Flushes what the lines before a failed read wrote. A write that fails too
// is not reported: the read's fault is.
void flushQuietly(std::ostream& out) {
    try {
        out.flush();
    } catch (const std::exception&) {
        return;
    }
}

int replay(const std::string& script) {
    const bool fromStandardInput = script == "-";
    const std::string name = fromStandardInput ? "standard input" : kestrel::script::printable(script);
    const int descriptor = fromStandardInput ? STDIN_FILENO : ::open(script.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        const std::string reason = kestrel::lastSystemError();
        std::cerr << "kestrel-replay: cannot read " << name << ": " << reason << '\n';
        return kUsageError;
    }
    kestrel::DescriptorReader reader(descriptor, name);
    kestrel::DescriptorWriter writer(STDOUT_FILENO, "standard output");
    std::istream in(&reader);
    std::ostream out(&writer);
    in.exceptions(std::ios::badbit);
    out.exceptions(std::ios::badbit);
    try {
        return kestrel::replayScript(in, out, std::cerr);
    } catch (const kestrel::StreamFault& fault) {
        if (out) {
            flushQuietly(out);
        }
        std::cerr << "kestrel-replay: " << fault.what() << '\n';
        return kUsageError;
    }
}

int sweep(const kestrel::SweepRequest& request) {
    kestrel::DescriptorWriter writer(STDOUT_FILENO, "standard output");
    std::ostream out(&writer);
    out.exceptions(std::ios::badbit);
    try {
        return kestrel::runSweep(request, out, std::cerr);
    } catch (const kestrel::StreamFault& fault) {
        std::cerr << "kestrel-replay: " << fault.what() << '\n';
        return kUsageError;
    }
}

}  // namespace

int main(int argc, char** argv) {
    const Request request = readCommandLine(std::span(argv, static_cast<std::size_t>(argc)).subspan(1));
    if (request.exitStatus) {
        return *request.exitStatus;
    }
    return request.sweep ? sweep(*request.sweep) : replay(request.script);
}
