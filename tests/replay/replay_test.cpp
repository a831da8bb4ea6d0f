#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <sstream>
#include <string>

#include "replay_engine.h"
#include "tool_run.h"

// The replay engine's script language and exit statuses; what a dump holds is
// pinned by the golden runs, the command line by replay_tool_test.cpp.
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
    EXPECT_TRUE(run.out.starts_with(R"({"error":"Bias (V): \"\")")) << run.out;
    EXPECT_NE(run.out.find("\",\"kind\":\"input\",\"fatal\":false}\n{"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(R"("Text5":"a \"b\" ")"), std::string::npos) << run.out;
    EXPECT_TRUE(run.out.ends_with(",\"Draws\":0}\n")) << run.out;  // nothing was drawn
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

// A picture that fills the disk halfway is not written at all: the file
// that was there stays (the file size limit stands for the full disk, in a
// process of its own).
TEST(ReplayScript, PictureCutShortLeavesTheFileThatWasThere) {
    const std::string path = ::testing::TempDir() + "cut-short.svg";
    std::ofstream(path) << "the picture from last lesson";
    const auto cutShort = [&] {
        constexpr rlim_t kLimit = 4096;  // a small part of a picture
        const rlimit limit{kLimit, kLimit};
        std::signal(SIGXFSZ, SIG_IGN);
        const bool limited = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
        const Replay run = replay("picture " + path + "\n");
        std::_Exit(limited && run.status == 2 && run.err.find("(File too large)") != std::string::npos ? 0
                                                                                                       : 1);
    };
    EXPECT_EXIT(cutShort(), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(contents(path), "the picture from last lesson");
}

}  // namespace
}  // namespace kestrel
