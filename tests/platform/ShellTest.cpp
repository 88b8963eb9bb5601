// Finding the desktop's opener and starting programs without a shell.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/Shell.h"
#include "support/StandInOpener.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

TEST(Shell, OnlyAnExistingFileHasAnOpener) {
    testsupport::StandInOpener opener;
    const fs::path page = opener.Folder() / "index.html";
    EXPECT_EQ(FindOpener(page.string()), std::nullopt);
    std::ofstream(page) << "<p/>";
    EXPECT_EQ(FindOpener(page.string()), opener.Program().string());
    EXPECT_EQ(FindOpener(opener.Folder().string()), std::nullopt) << "a folder is no document";
}

TEST(Shell, ArgumentsArriveAsTheyAreAndRunNothing) {
    testsupport::StandInOpener opener;
    const fs::path marker = opener.Folder() / "pwned";
    const std::string tricky =
        "file:///tmp/a b/\"x\"; $(touch " + marker.string() + ") `id` 'q'.html#content";
    ASSERT_TRUE(StartDetached(opener.Program().string(), {tricky}));
    EXPECT_EQ(opener.WaitForArguments(), std::vector<std::string>{tricky});
    EXPECT_FALSE(fs::exists(marker));
}

TEST(Shell, AMissingProgramFailsToStart) {
    EXPECT_FALSE(StartDetached("/nonexistent/program", {}));
}

}  // namespace
}  // namespace platform
