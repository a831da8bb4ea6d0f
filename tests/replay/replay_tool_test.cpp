#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>

#include "replay_engine.h"
#include "tool_run.h"

// kestrel-replay as a person runs it: its options, and what it says and
// returns when a script cannot be read, the output cannot be written or the
// simulation fails.
namespace kestrel {
namespace {

TEST(ReplayTool, AnswersHelpAndVersionAndRefusesUnknownOptions) {
    const ToolRun help = runTool("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: kestrel-replay [SCRIPT | -]\n")) << help.out;
    EXPECT_NE(help.out.find("Exit status:"), std::string::npos);
    const ToolRun version = runTool("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(std::regex_match(version.out, std::regex("kestrel-replay [0-9]+\\.[0-9]+\n"))) << version.out;
    const ToolRun unknown = runTool("--fast", "dump\n");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.out, "");
    EXPECT_TRUE(unknown.err.starts_with("kestrel-replay: unknown option --fast\n")) << unknown.err;
}

// One short line or a file without line ends must not hang the tool or use
// up the memory: each is refused at once with the line that broke a limit.
TEST(ReplayTool, RefusesWorkAndInputBeyondItsLimitsAtOnce) {
    const struct {
        std::string arguments;
        std::string script;
        std::string err;
    } cases[] = {
        {"", "tick Timer1 9223372036854775807\n", "line 1: a line may tick at most 72000 times"},
        {"", "click Command1\ntick Timer2 9223372036854775807\n", "line 2: a line may tick at most 72000 times"},
        {"", "tick Timer2 72000\ntick Timer2 72000\n", "line 2: the run would hold more than 100000 readouts"},
        {"/dev/zero", "", "line 1: the line is longer than 256 KB"},
    };
    for (const auto& [arguments, script, err] : cases) {
        const ToolRun run = runTool(arguments, script);
        EXPECT_EQ(run.status, 2) << script.substr(0, 40);
        EXPECT_TRUE(run.err.starts_with("kestrel-replay: " + err)) << run.err.substr(0, 200);
    }
}

TEST(ReplayTool, ScriptItCannotReadOrOutputItCannotWriteIsStatus2WithTheReason) {
    const std::string directory = ::testing::TempDir();
    const ToolRun notAFile = runTool("'" + directory + "'");
    EXPECT_EQ(notAFile.status, 2);
    EXPECT_EQ(notAFile.err, "kestrel-replay: cannot read " + directory + ": Is a directory\n");
    EXPECT_EQ(runTool("no/such.replay").err,
              "kestrel-replay: cannot read no/such.replay: No such file or directory\n");
    const ToolRun full = runTool("-", "click Command1\ndump\n", "/dev/full");
    EXPECT_EQ(full.status, 2);
    EXPECT_EQ(full.err, "kestrel-replay: cannot write standard output: No space left on device\n");
}

TEST(ReplayTool, WritesThePictureOrSaysWhyItCannot) {
    const std::string path = ::testing::TempDir() + "picture.svg";
    const ToolRun run = runTool("", "click Command1\npicture " + path + "\npicture /no/such/dir/p.svg\n");
    EXPECT_TRUE(contents(path).starts_with("<svg ")) << contents(path);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err,
              "kestrel-replay: line 3: cannot write /no/such/dir/p.svg (No such file or directory): "
              "\"picture /no/such/dir/p.svg\"\n");
}

// A script's text reaches the terminal escaped and cut short: it can
// neither command the terminal nor flood it.
TEST(ReplayTool, QuotesAHostileLineEscapedAndShortened) {
    const struct {
        std::string script;
        std::string err;
    } cases[] = {
        {"click \x1b]0;pwned\x07\n",
         "kestrel-replay: line 1: click needs a button Command1 to Command3: \"click \\x1b]0;pwned\\x07\"\n"},
        {std::string("\xff\xfet\0y\0p\0e\0\n", 10),
         "kestrel-replay: line 1: not a command: \"\\xff\\xfet\\x00y\\x00p\\x00e\\x00\"\n"},
        {"tick Timer1 " + std::string(200000, 'x') + "\n",
         "kestrel-replay: line 1: tick count must be a whole number: \"tick Timer1 " + std::string(88, 'x') +
             "...\" (200012 bytes)\n"},
        // A line past the longest a script may have is read no further.
        {"tick Timer1 " + std::string(2000000, 'x') + "\n",
         "kestrel-replay: line 1: the line is longer than 256 KB: \"tick Timer1 " + std::string(88, 'x') +
             "...\" (262145 bytes)\n"},
    };
    for (const auto& [script, err] : cases) {
        const ToolRun run = runTool("", script);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, err);
    }
}

// The system would take a name with a NUL as the name before it.
TEST(ReplayTool, RefusesAPictureNameThatDoesNotShowAsItself) {
    const std::string folder = ::testing::TempDir() + "names/";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    for (const std::string& name :
         {std::string("a\0b.svg", 7), std::string("a\x1b[2Jb.svg"), std::string("a\xff.svg")}) {
        const ToolRun run = runTool("", "picture " + folder + name + "\n");
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.err.starts_with(
            "kestrel-replay: line 1: picture needs a file name of printable UTF-8 characters: \"picture "))
            << run.err;
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST(ReplayTool, SkipsAByteOrderMarkAndQuotesTheLineItRefuses) {
    const ToolRun run = runTool("", "\xEF\xBB\xBF# saved with a mark\r\nclick Command1\r\ntick Tmer1 5\r\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "kestrel-replay: line 3: tick needs a timer Timer1 to Timer4: \"tick Tmer1 5\"\n");
}

TEST(ReplayTool, FatalErrorSaysWhatWentOutOfRangeWhereAndWhy) {
    const std::string overflow = "{\"error\":\"Overflow\",\"kind\":\"overflow\",\"fatal\":true}\n";
    const ToolRun setup = runTool("", "type Text2 30\nclick Command1\n");
    EXPECT_EQ(setup.status, 1);
    EXPECT_EQ(setup.out, overflow);
    EXPECT_EQ(
        setup.err,
        "kestrel-replay: line 2: \"click Command1\": fatal overflow in Command1: setting up the junction "
        "from the Fermi levels \"30\" (Text2) and \"0.2\" (Text3) and the bias \"0\" (Text4), the n-side "
        "Fermi level FermiYn went outside -32768..32767; Fermi levels from 0 to 1 eV keep every level in "
        "range\n");

    // Forward bias injects more than it removes; with no readout the count runs over.
    const ToolRun unread =
        runTool("", "type Text4 0.59\nclick Command1\ntick Timer1 10\ntick Timer2\ntick Timer1 40000\n");
    EXPECT_EQ(unread.status, 1);
    EXPECT_EQ(unread.out, overflow);
    EXPECT_EQ(unread.err,
              "kestrel-replay: line 5: \"tick Timer1 40000\": fatal overflow in Timer1's tick 31765 of this "
              "line: the crossing count CrossCount went past 32767 after 31765 Timer1 ticks without a Timer2 "
              "readout\n");
}

// A read that fails partway is not the end of the script: the line it cut
// short is not run, and the failure reaches the caller.
TEST(ReplayTool, ReadFailureMidwayStopsBeforeTheLineItCut) {
    struct FailingBuffer : std::stringbuf {
        FailingBuffer() : std::stringbuf("dump\nclick Comm") {}
        int_type underflow() override {
            if (traits_type::eq_int_type(std::stringbuf::underflow(), traits_type::eof())) {
                throw std::runtime_error("the disk failed");
            }
            return std::stringbuf::underflow();
        }
    } buffer;
    std::istream in(&buffer);
    in.exceptions(std::ios::badbit);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_THROW(replayScript(in, out, err), std::runtime_error);
    EXPECT_TRUE(out.str().starts_with("{\"ElectronCount\":"));
    EXPECT_EQ(err.str(), "");  // "click Comm" was never run
}

}  // namespace
}  // namespace kestrel
