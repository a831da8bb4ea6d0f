#include "tool_run.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace kestrel {

std::string contents(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

ToolRun runTool(const std::string& arguments, const std::string& input, std::string outPath) {
    // One set of files per test: ctest runs tests side by side.
    const std::string scratch =
        ::testing::TempDir() + ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_";
    outPath = outPath.empty() ? scratch + "out" : outPath;
    std::ofstream(scratch + "in") << input;
    const int status = std::system((std::string("'") + KESTREL_REPLAY_EXE + "' " + arguments + " < '" +
                                    scratch + "in' > '" + outPath + "' 2> '" + scratch + "err'")
                                       .c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, contents(scratch + "out"),
            contents(scratch + "err")};
}

}  // namespace kestrel
