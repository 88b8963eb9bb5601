// The user's registry hive: where it lives, that it appears only with the first key, keys and
// typed values with case-insensitive names, the result codes, and damaged hive files.
#include <gtest/gtest.h>

#include <cstdlib>

#include "TestFiles.h"
#include "platform/registry/HiveKey.h"
#include "platform/registry/sqlite/RegistryHive.h"

namespace platform {
namespace {

std::vector<std::byte> Bytes(std::string_view text) {
    const auto bytes = std::as_bytes(std::span(text));
    return {bytes.begin(), bytes.end()};
}

class HiveKeyTest : public ::testing::Test {
  protected:
    HiveKey CreateKey(std::string_view path, std::uint32_t access = kKeyAllAccess) {
        HiveKey key;
        EXPECT_EQ(HiveKey::CurrentUser().Create(path, access, key), kRegistrySuccess) << path;
        return key;
    }

    std::vector<std::string> Subkeys(const HiveKey& key) {
        std::vector<std::string> names;
        std::string name;
        for (std::uint32_t i = 0; key.EnumKey(i, name) == kRegistrySuccess; ++i) {
            names.push_back(name);
        }
        EXPECT_EQ(key.EnumKey(static_cast<std::uint32_t>(names.size()), name),
                  kRegistryNoMoreItems);
        return names;
    }

    testsupport::ConfigFolder folder;
};

TEST_F(HiveKeyTest, HiveLivesInTheXdgConfigFolderElseInDotConfig) {
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

TEST_F(HiveKeyTest, ReadingAMissingHiveFindsNothingAndMakesNoFile) {
    const HiveKey root = HiveKey::CurrentUser();
    HiveKey key;
    RegistryValueInfo info;
    std::string name;
    EXPECT_EQ(root.Open("Software", kKeyRead, key), kRegistryNotFound);
    EXPECT_TRUE(key.IsNull());
    EXPECT_EQ(root.QueryValue("value", info), kRegistryNotFound);
    EXPECT_EQ(root.EnumKey(0, name), kRegistryNoMoreItems);
    EXPECT_EQ(root.DeleteKey("Software"), kRegistryNotFound);
    EXPECT_EQ(root.DeleteValue("value"), kRegistryNotFound);
    EXPECT_FALSE(std::filesystem::exists(folder.HiveFile()));
}

TEST_F(HiveKeyTest, CreatesPathsAndFindsKeysWhateverTheirCase) {
    HiveKey created;
    KeyDisposition disposition{};
    ASSERT_EQ(HiveKey::CurrentUser().Create("Software\\QelApps\\Gen\\Fenster", kKeyAllAccess,
                                            created, &disposition),
              kRegistrySuccess);
    EXPECT_EQ(disposition, KeyDisposition::CreatedNewKey);
    EXPECT_TRUE(std::filesystem::exists(folder.HiveFile()));
    HiveKey again;
    ASSERT_EQ(HiveKey::CurrentUser().Create("SOFTWARE\\qelapps\\GEN\\fenster", kKeyAllAccess, again,
                                            &disposition),
              kRegistrySuccess);
    EXPECT_EQ(disposition, KeyDisposition::OpenedExistingKey);

    HiveKey apps;
    ASSERT_EQ(HiveKey::CurrentUser().Open("software\\QELAPPS", kKeyRead, apps), kRegistrySuccess);
    CreateKey("Software\\QelApps\\Anderes");
    EXPECT_EQ(Subkeys(apps), (std::vector<std::string>{"Anderes", "Gen"}));

    ASSERT_EQ(created.SetValue("Breite", RegistryType::Binary, Bytes("abcd")), kRegistrySuccess);
    RegistryValueInfo info;
    std::vector<std::byte> data(4);
    ASSERT_EQ(again.QueryValue("BREITE", info, data), kRegistrySuccess);
    EXPECT_EQ(data, Bytes("abcd"));
}

TEST_F(HiveKeyTest, PathsWithEmptyNamesAreRefused) {
    const HiveKey key = CreateKey("Software\\Test");
    HiveKey opened;
    for (std::string_view path : {"", "\\Software", "Software\\", "Software\\\\Test"}) {
        EXPECT_EQ(HiveKey::CurrentUser().Create(path, kKeyAllAccess, opened), kRegistryBadPath)
            << path;
        EXPECT_EQ(HiveKey::CurrentUser().Open(path, kKeyAllAccess, opened), kRegistryBadPath)
            << path;
        EXPECT_EQ(HiveKey::CurrentUser().DeleteKey(path), kRegistryBadPath) << path;
    }
    EXPECT_EQ(Subkeys(HiveKey::CurrentUser()), std::vector<std::string>{"Software"});
}

TEST_F(HiveKeyTest, ValuesKeepTypeAndBytesAndReportTheirSize) {
    const HiveKey key = CreateKey("Software\\Test");
    RegistryValueInfo info;
    ASSERT_EQ(key.SetValue("Text", RegistryType::String, Bytes(std::string("Maß\0", 5))),
              kRegistrySuccess);
    ASSERT_EQ(key.SetValue("Leer", RegistryType::Binary, {}), kRegistrySuccess);
    ASSERT_EQ(key.QueryValue("text", info), kRegistrySuccess);
    EXPECT_EQ(info.type, RegistryType::String);
    EXPECT_EQ(info.size, 5U);

    std::vector<std::byte> small(4);
    EXPECT_EQ(key.QueryValue("Text", info, small), kRegistryMoreData);
    EXPECT_EQ(info.size, 5U);
    std::vector<std::byte> large(8);
    ASSERT_EQ(key.QueryValue("Text", info, large), kRegistrySuccess);
    EXPECT_EQ(std::vector<std::byte>(large.begin(), large.begin() + 5),
              Bytes(std::string("Maß\0", 5)));

    ASSERT_EQ(key.QueryValue("Leer", info, large), kRegistrySuccess);
    EXPECT_EQ(info.type, RegistryType::Binary);
    EXPECT_EQ(info.size, 0U);

    ASSERT_EQ(key.SetValue("TEXT", RegistryType::DoubleWord, Bytes("wxyz")), kRegistrySuccess);
    ASSERT_EQ(key.QueryValue("Text", info), kRegistrySuccess);
    EXPECT_EQ(info.type, RegistryType::DoubleWord);
    EXPECT_EQ(key.SetValue("Anders", static_cast<RegistryType>(7), {}), kRegistryInvalidParameter);

    EXPECT_EQ(key.DeleteValue("text"), kRegistrySuccess);
    EXPECT_EQ(key.QueryValue("Text", info), kRegistryNotFound);
    EXPECT_EQ(key.DeleteValue("Text"), kRegistryNotFound);
}

TEST_F(HiveKeyTest, KeysWithSubkeysStayAndDeletedKeysFailTheirHandles) {
    const HiveKey parent = CreateKey("Software\\Test");
    const HiveKey child = CreateKey("Software\\Test\\Kind");
    ASSERT_EQ(child.SetValue("Wert", RegistryType::Binary, Bytes("1")), kRegistrySuccess);
    EXPECT_EQ(HiveKey::CurrentUser().DeleteKey("Software\\Test"), kRegistryAccessDenied);
    EXPECT_EQ(parent.DeleteKey("KIND"), kRegistrySuccess);
    EXPECT_EQ(parent.DeleteKey("Kind"), kRegistryNotFound);

    RegistryValueInfo info;
    HiveKey opened;
    EXPECT_EQ(child.QueryValue("Wert", info), kRegistryKeyDeleted);
    EXPECT_EQ(child.SetValue("Wert", RegistryType::Binary, Bytes("1")), kRegistryKeyDeleted);
    EXPECT_EQ(child.Create("Enkel", kKeyAllAccess, opened), kRegistryKeyDeleted);
    // A new key of the same name is another key: the old handle stays dead.
    const HiveKey again = CreateKey("Software\\Test\\Kind");
    EXPECT_EQ(again.QueryValue("Wert", info), kRegistryNotFound);
    EXPECT_EQ(child.QueryValue("Wert", info), kRegistryKeyDeleted);
}

TEST_F(HiveKeyTest, AccessRightsAndNullKeysAreChecked) {
    CreateKey("Software\\Test");
    HiveKey readOnly;
    ASSERT_EQ(HiveKey::CurrentUser().Open("Software\\Test", kKeyRead, readOnly), kRegistrySuccess);
    EXPECT_EQ(readOnly.SetValue("Wert", RegistryType::Binary, Bytes("1")), kRegistryAccessDenied);
    HiveKey created;
    EXPECT_EQ(readOnly.Create("Kind", kKeyAllAccess, created), kRegistryAccessDenied);

    HiveKey none;
    RegistryValueInfo info;
    std::string name;
    EXPECT_EQ(none.QueryValue("Wert", info), kRegistryInvalidHandle);
    EXPECT_EQ(none.EnumKey(0, name), kRegistryInvalidHandle);
    EXPECT_EQ(none.Open("Kind", kKeyRead, created), kRegistryInvalidHandle);
}

class DamagedHiveTest : public HiveKeyTest {
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
    CreateKey("Software\\Test");
    std::vector<std::byte> file = testsupport::ReadFile(folder.HiveFile());
    file[68] = std::byte{0};  // the header's application id
    file[71] = std::byte{1};
    testsupport::WriteFile(folder.HiveFile(), file);
    ExpectRefusedAndUntouched(kRegistryCorrupt);
}

TEST_F(DamagedHiveTest, ATruncatedHiveIsNeverOverwritten) {
    const HiveKey key = CreateKey("Software\\Test");
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
    CreateKey("Software\\Test");
    EXPECT_EQ(HiveKey::CurrentUser().Open("Software", kKeyRead, key), kRegistrySuccess);
}

}  // namespace
}  // namespace platform
