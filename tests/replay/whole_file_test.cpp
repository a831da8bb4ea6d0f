#include "whole_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "removed_on_signal.h"
#include "tool_run.h"

// A picture is written whole or not at all: whatever fails, or interrupts,
// the file that was there stays as it was and nothing else is left beside it.
namespace kestrel {
namespace {

namespace fs = std::filesystem;

constexpr const char* kOldText = "the picture from last lesson\n";

// An empty folder of the test's own, with `name` in it holding kOldText.
std::string folderWithOldFile(const std::string& name) {
    const fs::path folder =
        fs::path(::testing::TempDir()) / ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::ofstream(folder / name) << kOldText;
    return folder.string();
}

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

TEST(WholeFile, ReplacesTheFileOnlyWhenWholeAndKeepsItsPermissions) {
    const std::string folder = folderWithOldFile("iv.svg");
    const std::string path = folder + "/iv.svg";
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    {
        const WholeFile unfinished(path);
        ASSERT_FALSE(unfinished.problem());
        EXPECT_EQ(namesIn(folder).size(), 2U);  // the new file waits beside the old one
    }
    EXPECT_EQ(contents(path), kOldText);
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"iv.svg"});

    EXPECT_EQ(writeWholeFile(path, "<svg/>"), std::nullopt);
    EXPECT_EQ(contents(path), "<svg/>");
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"iv.svg"});
}

TEST(WholeFile, WhatCannotBeWrittenIsSaidAndLeavesTheOldFile) {
    const std::string folder = folderWithOldFile("iv.svg");
    const std::string old = folder + "/iv.svg";
    const struct {
        std::string path;
        const char* reason;
    } cases[] = {
        {folder + "/no/such/folder/iv.svg", "No such file or directory"},
        {folder, "Is a directory"},
        {folder + "/", "Is a directory"},
        {old + "/iv.svg", "Not a directory"},
    };
    for (const auto& [path, reason] : cases) {
        EXPECT_EQ(writeWholeFile(path, "<svg/>"), reason) << path;
        EXPECT_EQ(WholeFile(path).problem(), reason) << path;
    }
    EXPECT_EQ(contents(old), kOldText);
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"iv.svg"});
}

// A disk that fills up halfway: the file size limit stops the write after
// its first bytes, in a process of its own.
TEST(WholeFile, WriteCutShortLeavesTheOldFile) {
    const std::string folder = folderWithOldFile("iv.svg");
    const std::string path = folder + "/iv.svg";
    constexpr rlim_t kLimit = 1000;
    const auto cutShort = [&] {
        const rlimit limit{kLimit, kLimit};
        std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of ending the process
        const bool refused =
            ::setrlimit(RLIMIT_FSIZE, &limit) == 0 && writeWholeFile(path, std::string(2 * kLimit, 'x'));
        std::_Exit(refused ? 0 : 1);
    };
    EXPECT_EXIT(cutShort(), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(contents(path), kOldText);
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"iv.svg"});
}

TEST(RemovedOnSignal, InterruptedWriteLeavesNothingBehind) {
    const std::string folder = folderWithOldFile("iv.svg");
    const std::string path = folder + "/iv.svg";
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        const auto interrupted = [&] {
            const WholeFile picture(path);
            const RemovedOnSignal unfinished(picture.temporaryPath());
            std::raise(signal);
            std::_Exit(0);
        };
        EXPECT_EXIT(interrupted(), ::testing::KilledBySignal(signal), "");
        EXPECT_EQ(contents(path), kOldText);
        EXPECT_EQ(namesIn(folder), std::vector<std::string>{"iv.svg"}) << signal;
    }
}

}  // namespace
}  // namespace kestrel
