#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <utility>

#include "replay_engine.h"

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

// The raw text of one top-level value of a dump.
std::string valueOf(const std::string& dump, const std::string& key) {
    const std::size_t start = dump.find("\"" + key + "\":") + key.size() + 3;
    std::size_t end = start;
    for (int depth = 0; end < dump.size() && (depth > 0 || (dump[end] != ',' && dump[end] != '}')); ++end) {
        depth += dump[end] == '[' ? 1 : dump[end] == ']' ? -1 : 0;
    }
    return dump.substr(start, end - start);
}

TEST(ReplayScript, SkipsCommentsAndBlanksAndGoesOnAfterAnInputError) {
    const Replay run =
        replay("# a comment\n\n  \t\ntype Text4 \ntype Text5 a \"b\" \r\nclick Command1\ndump\r\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::string error = run.out.substr(0, run.out.find('\n') + 1);
    EXPECT_TRUE(error.starts_with(R"({"error":"Bias (V): \"\")")) << error;
    EXPECT_TRUE(error.ends_with("\",\"kind\":\"input\",\"fatal\":false}\n")) << error;
    const std::string dump = run.out.substr(error.size());
    EXPECT_EQ(valueOf(dump, "Text4"), R"("")");
    EXPECT_EQ(valueOf(dump, "Text5"), R"("a \"b\" ")");
    EXPECT_EQ(valueOf(dump, "Draws"), "0");
    EXPECT_EQ(valueOf(dump, "JunctionRight"), "0");  // as loaded
}

class ReplayBadLine : public ::testing::TestWithParam<const char*> {};

TEST_P(ReplayBadLine, StopsWithStatus2AndNamesTheLine) {
    const Replay run = replay(std::string("# start\nclick Command3\n") + GetParam() + "\ndump\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("line 3"), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Lines, ReplayBadLine,
                         ::testing::Values("jump", "dump now", " dump", "type", "type Text8 1",
                                           "click Command4", "click  Command1", "tick Timer5",
                                           "tick Timer2 x", "tick Timer2 -1"));

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
    EXPECT_EQ(out.str(), "");  // no error and no complaint about the lines
}

TEST(ReplayDump, HasExactlyTheFixedKeysInTheirOrder) {
    std::string expected =
        "ElectronCount HoleCount ElectronQuota HoleQuota FermiYAtX FermiYn FermiYp EcYn EcYp EvYn EvYp "
        "GapHeight XMin XMax XSpan DotSize JunctionLeft JunctionRight JunctionWidth Temperature ElecXMin "
        "ElecXMax HoleXMin HoleXMax CrossCount HolePick ChartX ElectronPullThreshold HolePullThreshold "
        "ElectronBins HoleBins ElectronBinsPrev HoleBinsPrev Shape1 Shape2";
    for (const auto& [item, count] : {std::pair{" Line", 19}, {" Text", 7}, {" Timer", 4}}) {
        for (int n = 1; n <= count; ++n) {
            expected += item + std::to_string(n);
        }
    }
    const std::string dump = replay("dump\n").out;
    const std::regex key(R"re("(\w+)":)re");
    std::string keys;
    for (auto match = std::sregex_iterator(dump.begin(), dump.end(), key); match != std::sregex_iterator();
         ++match) {
        if (!keys.empty()) {
            keys += ' ';
        }
        keys += (*match)[1].str();
    }
    EXPECT_EQ(keys, expected + " Picture1 Draws");
}

TEST(ReplayDump, WritesCompactValuesAndSinglesInTheirShortestForm) {
    const std::string dump = replay("click Command1\ndump\n").out;
    EXPECT_EQ(dump.find(' '), std::string::npos);
    EXPECT_EQ(valueOf(dump, "JunctionRight"), "5160");
    EXPECT_EQ(valueOf(dump, "ElectronPullThreshold"), "3");
    EXPECT_EQ(valueOf(dump, "HolePullThreshold"), "2.3");
    EXPECT_EQ(std::ranges::count(valueOf(dump, "ElectronBins"), ','), 50);  // 51 bins
    EXPECT_EQ(valueOf(dump, "Line18"), "[3120,1920,3120,3120,false]");
    EXPECT_EQ(valueOf(dump, "Text1"), R"("300")");
    EXPECT_EQ(valueOf(dump, "Timer1") + valueOf(dump, "Timer2") + valueOf(dump, "Timer3"), "truetruefalse");
    EXPECT_EQ(valueOf(dump, "Picture1"), "[]");
    EXPECT_EQ(valueOf(dump, "Draws"), "200");
    const std::string electrons = valueOf(dump, "Shape1");
    EXPECT_TRUE(electrons.starts_with("[[480,7680],[3583.4595,1815],")) << electrons;
    EXPECT_TRUE(electrons.ends_with(",10000]]")) << electrons;
    EXPECT_TRUE(valueOf(dump, "Shape2").starts_with("[[960,7680],[5566.4307,2400],"));
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
    EXPECT_NE(out.find(R"("JunctionRight":4452,)"), std::string::npos) << out;
    EXPECT_TRUE(out.ends_with("\n{\"end\":true}\n")) << out;
    EXPECT_EQ(runCommand(program + "< '" + path + "'"), std::pair(0, out));
    std::remove(path.c_str());
}

}  // namespace
}  // namespace kestrel
