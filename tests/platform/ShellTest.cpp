// Finding the desktop's opener and starting programs without a shell.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/Shell.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

// A folder with a stand-in `xdg-open` that writes each argument it gets on a line of its own.
class StandInOpener : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("opener-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        log = folder / "arguments.log";
        std::ofstream(folder / "xdg-open")
            << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" << log.string()
            << ".tmp' && mv '" << log.string() << ".tmp' '" << log.string() << "'\n";
        fs::permissions(folder / "xdg-open", fs::perms::owner_all);
        oldPath = std::getenv("PATH");
        setenv("PATH", (folder.string() + ":" + oldPath).c_str(), 1);
    }
    void TearDown() override {
        setenv("PATH", oldPath.c_str(), 1);
        fs::remove_all(folder);
    }

    std::vector<std::string> LoggedArguments() {
        for (int i = 0; i < 500 && !fs::exists(log); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        std::vector<std::string> lines;
        std::ifstream in(log);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }

    fs::path folder;
    fs::path log;
    std::string oldPath;
};

TEST_F(StandInOpener, OnlyAnExistingFileHasAnOpener) {
    const fs::path page = folder / "index.html";
    EXPECT_EQ(FindOpener(page.string()), std::nullopt);
    std::ofstream(page) << "<p/>";
    EXPECT_EQ(FindOpener(page.string()), (folder / "xdg-open").string());
    EXPECT_EQ(FindOpener(folder.string()), std::nullopt) << "a folder is no document";
}

TEST_F(StandInOpener, ArgumentsArriveAsTheyAreAndRunNothing) {
    const std::string tricky =
        "file:///tmp/a b/\"x\"; $(touch " + (folder / "pwned").string() + ") `id` 'q'.html#content";
    ASSERT_TRUE(StartDetached((folder / "xdg-open").string(), {tricky}));
    EXPECT_EQ(LoggedArguments(), std::vector<std::string>{tricky});
    EXPECT_FALSE(fs::exists(folder / "pwned"));
}

TEST(Shell, AMissingProgramFailsToStart) {
    EXPECT_FALSE(StartDetached("/nonexistent/program", {}));
}

}  // namespace
}  // namespace platform
