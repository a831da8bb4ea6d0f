#pragma once

#include <optional>

namespace kestrel::app {

// What the command line asks of the program. It is read before any
// application object or display exists, so --help and --version answer
// anywhere, even where no window can open.
struct CommandLine {
    // Set when the program ends without opening its window: 0 after --help
    // or --version, 2 after a usage error, which is reported on stderr.
    std::optional<int> exitStatus;
};

CommandLine readCommandLine(int argc, char** argv);

}  // namespace kestrel::app
