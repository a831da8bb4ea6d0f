#pragma once

#include <optional>
#include <string>

#include "core/host/set_up.h"
#include "ui/language.h"

namespace kestrel::app {

// How the window starts, as the command line asks: the set-up every
// front-end takes, and the desktop's own options.
struct StartOptions : host::SetUp {
    bool fullScreen = false;
    // A saved run replayed first, as "Open saved script" does.
    std::optional<std::string> scriptPath;
    std::string script;
    // Where the whole run is written when the program ends.
    std::optional<std::string> recordPath;
};

// What the command line asks of the program. It is read before any
// application object or display exists, so --help and --version answer
// anywhere, even where no window can open, and a bad value is refused
// before a window appears.
struct CommandLine {
    // Set when the program ends without opening its window: 0 after --help
    // or --version, 2 after a usage error, which is reported on stderr.
    std::optional<int> exitStatus;
    StartOptions start;
};

// The language --lang asks for, if it names one; read first, for the
// command line's own texts.
std::optional<ui::Language> languageAsked(int argc, char** argv);

// Help, messages and errors come in `translation`'s language.
CommandLine readCommandLine(int argc, char** argv, const ui::Translation& translation);

}  // namespace kestrel::app
