#pragma once

#include <string>

// kestrel-replay run as a person runs it, for the tests of its command line.
namespace kestrel {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

// The whole of a file, or nothing if it cannot be read.
std::string contents(const std::string& path);

// Runs the tool with `arguments` (shell words) and `input` on its standard
// input. Its standard output goes to `outPath` if one is given, else to a
// scratch file that `out` reads back.
ToolRun runTool(const std::string& arguments, const std::string& input = "", std::string outPath = "");

}  // namespace kestrel
