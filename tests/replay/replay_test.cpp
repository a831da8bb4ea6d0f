#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

#include "replay_engine.h"

// The script language and the tool's exit statuses; what a dump holds is
// pinned by the golden runs.
namespace kestrel {
namespace {

struct Replay {
    int status;
    std::string out;
    std::string err;
};

Replay replay(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    const int status = replayScript(in, out, err);
    return {status, out.str(), err.str()};
}

TEST(ReplayScript, SkipsCommentsAndBlanksTakesTextsAsTypedAndGoesOnAfterAnInputError) {
    const Replay run =
        replay("# a comment\n\n  \t\ntype Text4 \ntype Text5 a \"b\" \r\nclick Command1\ndump\r\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::string error = run.out.substr(0, run.out.find('\n') + 1);
    EXPECT_TRUE(error.starts_with(R"({"error":"Bias (V): \"\")")) << error;
    EXPECT_TRUE(error.ends_with("\",\"kind\":\"input\",\"fatal\":false}\n")) << error;
    EXPECT_NE(run.out.find(R"("Text5":"a \"b\" ")"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(R"("Draws":0})"), std::string::npos) << run.out;
}

TEST(ReplayScript, StopsWithStatus2AtALineThatIsNotACommandAndNamesIt) {
    for (const char* line : {"jump", "dump now", " dump", "type", "type Text8 1", "click Command4",
                             "click  Command1", "tick Timer5", "tick Timer2 x", "tick Timer2 -1"}) {
        const Replay run = replay(std::string("# start\nclick Command3\n") + line + "\ndump\n");
        EXPECT_EQ(run.status, 2) << line;
        EXPECT_EQ(run.out, "") << line;
        EXPECT_TRUE(run.err.starts_with("kestrel-replay: line 3: ")) << line << ": " << run.err;
    }
}

TEST(ReplayScript, CloseAndFatalErrorsEndTheReplay) {
    const Replay closed = replay("click Command1\nclick Command2\nnot a command\ndump\n");
    EXPECT_EQ(closed.status, 0);
    EXPECT_EQ(closed.out + closed.err, "{\"end\":true}\n");

    const Replay failed = replay("type Text2 30\nclick Command3\ndump\n");
    EXPECT_EQ(failed.status, 1);
    EXPECT_TRUE(failed.out.starts_with(R"({"error":")")) << failed.out;
    EXPECT_TRUE(failed.out.ends_with("\",\"kind\":\"overflow\",\"fatal\":true}\n")) << failed.out;
}

TEST(ReplayScript, TicksAnEnabledTimerTheGivenNumberOfTimesAndADisabledOneNever) {
    std::ostringstream out;
    ReplayEngine engine(out, out);
    Form1& form = engine.form();
    form.CrossCount = 4;
    engine.runLine("tick Timer2 0", 1);
    EXPECT_EQ(form.CrossCount, 4);
    engine.runLine("tick Timer2", 2);
    EXPECT_EQ(form.Text7.Text, "4");
    form.CrossCount = 5;
    engine.runLine("tick Timer2 3", 3);
    EXPECT_EQ(form.Text7.Text, "0");  // the second tick shows the 0 the first one left
    form.Line18.Visible = true;       // while Timer3 is off
    engine.runLine("tick Timer3 2", 4);
    EXPECT_TRUE(form.Line18.Visible);
    EXPECT_EQ(out.str(), "");
}

// A shell command's exit status and standard output.
std::pair<int, std::string> runCommand(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> buffer{};
    for (std::size_t n = 0; pipe != nullptr && (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
        out.append(buffer.data(), n);
    }
    const int status = pipe != nullptr ? pclose(pipe) : -1;
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

TEST(KestrelReplayProgram, ReplaysAScriptFileOrStandardInput) {
    const std::string script = "type Text4 0.6\nclick Command1\ndump\nclick Command2\ndump\n";
    const std::string path = ::testing::TempDir() + "kestrel_replay_script.txt";
    std::ofstream(path) << script;
    const std::string program = std::string("'") + KESTREL_REPLAY_EXE + "' ";
    const auto [status, out] = runCommand(program + "'" + path + "'");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(out, replay(script).out);
    EXPECT_TRUE(out.ends_with("\n{\"end\":true}\n")) << out;
    EXPECT_EQ(runCommand(program + "< '" + path + "'"), std::pair(0, out));
    std::remove(path.c_str());
}

}  // namespace
}  // namespace kestrel
