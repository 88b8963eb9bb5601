// The Linux backend's hive file: where it lives, and damaged files, which are refused and never
// overwritten.
#include <gtest/gtest.h>

#include <cstdlib>

#include "RegistryTestKeys.h"
#include "TestFiles.h"
#include "platform/registry/HiveKey.h"
#include "platform/registry/sqlite/RegistryHive.h"

namespace platform {
namespace {

class HiveFileTest : public ::testing::Test {
  protected:
    testsupport::ConfigFolder folder;
};

TEST_F(HiveFileTest, HiveLivesInTheXdgConfigFolderElseInDotConfig) {
    EXPECT_EQ(RegistryHive::CurrentUserFile(), folder.HiveFile());
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("HOME", "/home/someone", 1);
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(RegistryHive::CurrentUserFile(),
              std::filesystem::path("/home/someone/.config/qelapps/current-user.sqlite"));
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(RegistryHive::CurrentUserFile(),
              std::filesystem::path("/home/someone/.config/qelapps/current-user.sqlite"));
    ::setenv("HOME", home.c_str(), 1);
}

// Beyond what the registry keeps to under Wine: the hive refuses a subkey below a key opened for
// reading (as Windows does, while Wine makes it) and a type that it does not know (which the
// registry keeps).
TEST_F(HiveFileTest, RefusesSubkeysOfReadOnlyKeysAndTypesItDoesNotKnow) {
    const HiveKey key = CreatedKey(HiveKey::CurrentUser(), "Software\\Test");
    HiveKey readOnly;
    ASSERT_EQ(HiveKey::CurrentUser().Open("Software\\Test", kKeyRead, readOnly), kRegistrySuccess);
    HiveKey created;
    EXPECT_EQ(readOnly.Create("Kind", kKeyAllAccess, created), kRegistryAccessDenied);
    EXPECT_EQ(key.SetValue("Anders", static_cast<RegistryType>(7), {}), kRegistryInvalidParameter);
}

class DamagedHiveTest : public HiveFileTest {
  protected:
    // Every way in must fail without touching the file.
    void ExpectRefusedAndUntouched(int expected) {
        const std::vector<std::byte> before = testsupport::ReadFile(folder.HiveFile());
        const HiveKey root = HiveKey::CurrentUser();
        HiveKey key;
        RegistryValueInfo info;
        EXPECT_EQ(root.Open("Software\\Test", kKeyAllAccess, key), expected);
        EXPECT_EQ(root.Create("Software\\Test", kKeyAllAccess, key), expected);
        EXPECT_EQ(root.QueryValue("Wert", info), expected);
        EXPECT_EQ(root.SetValue("Wert", RegistryType::Binary, Bytes("1")), expected);
        EXPECT_EQ(root.DeleteKey("Software"), expected);
        EXPECT_EQ(testsupport::ReadFile(folder.HiveFile()), before);
    }
};

TEST_F(DamagedHiveTest, GarbageIsNeverOverwritten) {
    std::filesystem::create_directories(folder.HiveFile().parent_path());
    testsupport::WriteFile(folder.HiveFile(),
                           Bytes(std::string(3000, 'x') + "not a hive, but someone's data"));
    ExpectRefusedAndUntouched(kRegistryCorrupt);
}

TEST_F(DamagedHiveTest, AnotherProgramsDatabaseIsNeverOverwritten) {
    CreatedKey(HiveKey::CurrentUser(), "Software\\Test");
    std::vector<std::byte> file = testsupport::ReadFile(folder.HiveFile());
    file[68] = std::byte{0};  // the header's application id
    file[71] = std::byte{1};
    testsupport::WriteFile(folder.HiveFile(), file);
    ExpectRefusedAndUntouched(kRegistryCorrupt);
}

TEST_F(DamagedHiveTest, ATruncatedHiveIsNeverOverwritten) {
    const HiveKey key = CreatedKey(HiveKey::CurrentUser(), "Software\\Test");
    for (int i = 0; i < 200; ++i) {
        ASSERT_EQ(key.SetValue("Wert" + std::to_string(i), RegistryType::Binary,
                               Bytes(std::string(40, 'v'))),
                  kRegistrySuccess);
    }
    const std::vector<std::byte> sound = testsupport::ReadFile(folder.HiveFile());
    ASSERT_GT(sound.size(), 4096U);
    std::vector<std::size_t> sizes{1, 99, 100, 4095, 4096, sound.size() - 4096, sound.size() - 1};
    for (std::size_t size = 7; size < sound.size(); size += 1021) {
        sizes.push_back(size);
    }
    for (std::size_t size : sizes) {
        SCOPED_TRACE(size);
        testsupport::WriteFile(folder.HiveFile(), std::span(sound).first(size));
        ExpectRefusedAndUntouched(kRegistryCorrupt);
    }
}

TEST_F(DamagedHiveTest, AHiveThatCannotBeOpenedFailsEveryOperation) {
    std::filesystem::create_directories(folder.HiveFile());
    const HiveKey root = HiveKey::CurrentUser();
    HiveKey key;
    EXPECT_EQ(root.Open("Software", kKeyRead, key), kRegistryIoFailed);
    EXPECT_EQ(root.Create("Software", kKeyAllAccess, key), kRegistryIoFailed);
    EXPECT_TRUE(std::filesystem::is_directory(folder.HiveFile()));
}

TEST_F(DamagedHiveTest, AnEmptyFileIsAHiveNotYetMade) {
    std::filesystem::create_directories(folder.HiveFile().parent_path());
    testsupport::WriteFile(folder.HiveFile(), {});
    HiveKey key;
    EXPECT_EQ(HiveKey::CurrentUser().Open("Software", kKeyRead, key), kRegistryNotFound);
    CreatedKey(HiveKey::CurrentUser(), "Software\\Test");
    EXPECT_EQ(HiveKey::CurrentUser().Open("Software", kKeyRead, key), kRegistrySuccess);
}

}  // namespace
}  // namespace platform
