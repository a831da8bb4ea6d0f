// kestrel-replay [SCRIPT | -]: replays a script of window events against the
// simulation, without a window, and writes JSON Lines to standard output.

#include <fcntl.h>
#include <unistd.h>

#include <iostream>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "descriptor_streams.h"
#include "replay_engine.h"

namespace {

constexpr int kUsageError = 2;  // the status of a script the tool cannot run

constexpr std::string_view kUsage = "Usage: kestrel-replay [SCRIPT | -]\n";

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
                   605 x 453 pixels in FILE
Blank lines and lines starting with "#" are skipped.

Options:
  -h, --help       show this help and exit
  --version        show the version and exit

Exit status:
  0  the script ran to its end, or "Close" ended it
  1  a fatal run-time error (overflow, subscript, floating point) ended it;
     its error object is the last output line, what it means is on stderr
  2  a line that is not a command, a script that cannot be read, output
     or a picture that cannot be written, or a usage error; the reason is
     on stderr
)";

// What the command line asks for.
struct Request {
    std::optional<int> exitStatus;  // set when there is nothing to replay
    std::string script = "-";       // a path, or "-" for standard input
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

Request readCommandLine(std::span<char*> arguments) {
    Request request;
    bool scriptGiven = false;
    bool optionsEnded = false;
    for (const std::string_view argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (argument == "-h" || argument == "--help")) {
            return stopWith(printed(std::string(kUsage) + std::string(kHelp)));
        } else if (!optionsEnded && argument == "--version") {
            return stopWith(printed("kestrel-replay " KESTREL_VERSION "\n"));
        } else if (!optionsEnded && argument.size() > 1 && argument.front() == '-') {
            return stopWith(usageError("unknown option " + std::string(argument)));
        } else if (scriptGiven) {
            return stopWith(usageError("one script at a time: " + std::string(argument)));
        } else {
            request.script = argument;
            scriptGiven = true;
        }
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
    const int descriptor = fromStandardInput ? STDIN_FILENO : ::open(script.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        std::cerr << "kestrel-replay: cannot read " << script << ": " << kestrel::lastSystemError() << '\n';
        return kUsageError;
    }
    kestrel::DescriptorReader reader(descriptor, fromStandardInput ? "standard input" : script);
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

}  // namespace

int main(int argc, char** argv) {
    const Request request = readCommandLine(std::span(argv, static_cast<std::size_t>(argc)).subspan(1));
    return request.exitStatus ? *request.exitStatus : replay(request.script);
}
