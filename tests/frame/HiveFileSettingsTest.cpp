// The settings store on Linux's hive file: a damaged file is neither used nor replaced, and two
// processes writing one section at once lose nothing.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TestFiles.h"
#include "frame/RegistrySettings.h"

namespace qel::Windows {
namespace {

class HiveFileSettingsTest : public ::testing::Test {
  protected:
    HiveFileSettingsTest() { store.SetKeyName("QelApps\\Gen"); }

    testsupport::ConfigFolder folder;
    RegistrySettings store;
};

TEST_F(HiveFileSettingsTest, ADamagedHiveGivesDefaultsAndFailsWritesWithoutBeingReplaced) {
    ASSERT_TRUE(store.OpenSection("Fenster"));
    ASSERT_TRUE(store.SetInt("Breite", 640));
    store.Close();
    std::vector<std::byte> damaged = testsupport::ReadFile(folder.HiveFile());
    damaged.resize(damaged.size() / 2);
    testsupport::WriteFile(folder.HiveFile(), damaged);

    RegistrySettings other;
    other.SetKeyName("QelApps\\Gen");
    EXPECT_FALSE(other.OpenSection("Fenster"));
    EXPECT_EQ(other.GetInt("Breite", 5), 5);
    EXPECT_FALSE(other.SetInt("Breite", 6));
    EXPECT_FALSE(other.DeleteSection("Fenster"));
    EXPECT_EQ(testsupport::ReadFile(folder.HiveFile()), damaged);
}

TEST_F(HiveFileSettingsTest, TwoProcessesWritingOneSectionLoseNothing) {
    constexpr int kWrites = 60;
    ASSERT_TRUE(store.OpenSection("Geteilt"));
    const auto writeAll = [](const std::string& prefix) {
        RegistrySettings writer;
        writer.SetKeyName("QelApps\\Gen");
        bool ok = writer.OpenSection("Geteilt");
        for (int i = 0; i < kWrites; ++i) {
            ok = writer.SetInt(prefix + std::to_string(i), i) && ok;
            ok = writer.SetInt("Zuletzt", i) && ok;
        }
        return ok;
    };
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        ::_exit(writeAll("Kind") ? 0 : 1);
    }
    EXPECT_TRUE(writeAll("Eltern"));
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    for (int i = 0; i < kWrites; ++i) {
        EXPECT_EQ(store.GetInt("Kind" + std::to_string(i), -1), i);
        EXPECT_EQ(store.GetInt("Eltern" + std::to_string(i), -1), i);
    }
    EXPECT_EQ(store.GetInt("Zuletzt", -1), kWrites - 1);
}

}  // namespace
}  // namespace qel::Windows
