// Finding the desktop's opener and starting programs without a shell.
#include <gtest/gtest.h>

#include <fstream>
#include <optional>

#include "platform/window/Shell.h"
#include "support/StandInOpener.h"
#include "support/WindowInput.h"

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
    bool ended = false;
    ASSERT_TRUE(
        StartWatched(opener.Program().string(), {tricky}, [&ended](bool) { ended = true; }));
    EXPECT_EQ(opener.WaitForArguments(), std::vector<std::string>{tricky});
    EXPECT_TRUE(testsupport::WaitUntil([&ended] { return ended; }));
    EXPECT_FALSE(fs::exists(marker));
}

TEST(Shell, AMissingProgramFailsToStart) {
    EXPECT_FALSE(StartWatched("/nonexistent/program", {}, [](bool) { ADD_FAILURE(); }));
}

// Whether a watched shell command exited with status 0, once it has ended.
bool EndedWell(const std::string& command) {
    std::optional<bool> ended;
    EXPECT_TRUE(StartWatched("/bin/sh", {"-c", command}, [&ended](bool well) { ended = well; }));
    EXPECT_TRUE(testsupport::WaitUntil([&ended] { return ended.has_value(); })) << command;
    return ended.value_or(false);
}

TEST(Shell, AWatchedProgramReportsWhetherItEndedWell) {
    EXPECT_TRUE(EndedWell("exit 0"));
    EXPECT_FALSE(EndedWell("exit 3"));
    EXPECT_FALSE(EndedWell("kill -KILL $$"));
    testsupport::StandInOpener scratch;
    const fs::path noInterpreter = scratch.Folder() / "kaputt";
    std::ofstream(noInterpreter) << "#!/nonexistent/sh\n";
    fs::permissions(noInterpreter, fs::perms::owner_all);
    EXPECT_FALSE(StartWatched(noInterpreter.string(), {}, [](bool) { ADD_FAILURE(); }));
}

}  // namespace
}  // namespace platform
