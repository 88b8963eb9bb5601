// The registry's contract, whichever backend keeps it: nothing made by reading, keys and typed
// values with case-insensitive names, the result codes, access rights and deleted keys. Each test
// works below a root of its own: a fresh hive file on Linux, and on Windows a key of its own under
// HKEY_CURRENT_USER, since the tests that run at once there share one registry.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <string>

#include "RegistryTestKeys.h"
#include "TestFiles.h"
#include "platform/registry/HiveKey.h"

namespace platform {
namespace {

#ifdef _WIN32
// A key named for the running test and process directly under HKEY_CURRENT_USER, removed with all
// below it at the end.
class RegistryRoot {
  public:
    RegistryRoot() {
        // What a test that died left under this name goes first: Wine gives out process ids again
        // at once.
        RegDeleteTreeW(HKEY_CURRENT_USER, Wide(name).c_str());
        key = CreatedKey(HiveKey::CurrentUser(), name);
    }
    ~RegistryRoot() { RegDeleteTreeW(HKEY_CURRENT_USER, Wide(name).c_str()); }
    RegistryRoot(const RegistryRoot&) = delete;
    RegistryRoot& operator=(const RegistryRoot&) = delete;

    const HiveKey& Key() const { return key; }
    bool StoredAnything() const {
        HKEY opened = nullptr;
        DWORD subkeys = 0;
        DWORD values = 0;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, Wide(name).c_str(), 0, KEY_READ, &opened) == 0) {
            RegQueryInfoKeyW(opened, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                             nullptr, nullptr, nullptr, nullptr);
            RegCloseKey(opened);
        }
        return subkeys + values > 0;
    }

  private:
    // The name is ASCII.
    static std::wstring Wide(const std::string& text) { return {text.begin(), text.end()}; }

    const ::testing::TestInfo& test = *::testing::UnitTest::GetInstance()->current_test_info();
    const std::string name = std::string("schattwerk-test-") + test.test_suite_name() + "." +
                             test.name() + "-" + std::to_string(GetCurrentProcessId());
    HiveKey key;
};
#else
// The root of a fresh hive file, the user's while the test runs.
class RegistryRoot {
  public:
    HiveKey Key() const { return HiveKey::CurrentUser(); }
    bool StoredAnything() const { return std::filesystem::exists(folder.HiveFile()); }

  private:
    testsupport::ConfigFolder folder;
};
#endif

class HiveKeyTest : public ::testing::Test {
  protected:
    HiveKey Root() const { return registry.Key(); }
    HiveKey CreateKey(std::string_view path) const { return CreatedKey(Root(), path); }

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

    RegistryRoot registry;
};

TEST_F(HiveKeyTest, ReadingWhatIsMissingFindsNothingAndStoresNothing) {
    const HiveKey root = Root();
    HiveKey key;
    RegistryValueInfo info;
    std::string name;
    EXPECT_EQ(root.Open("Software", kKeyRead, key), kRegistryNotFound);
    EXPECT_TRUE(key.IsNull());
    EXPECT_EQ(root.QueryValue("value", info), kRegistryNotFound);
    EXPECT_EQ(root.EnumKey(0, name), kRegistryNoMoreItems);
    EXPECT_EQ(root.DeleteKey("Software"), kRegistryNotFound);
    EXPECT_EQ(root.DeleteValue("value"), kRegistryNotFound);
    EXPECT_FALSE(registry.StoredAnything());
}

TEST_F(HiveKeyTest, CreatesPathsAndFindsKeysWhateverTheirCase) {
    HiveKey created;
    KeyDisposition disposition{};
    ASSERT_EQ(
        Root().Create("Software\\QelApps\\Gen\\Fenster", kKeyAllAccess, created, &disposition),
        kRegistrySuccess);
    EXPECT_EQ(disposition, KeyDisposition::CreatedNewKey);
    EXPECT_TRUE(registry.StoredAnything());
    HiveKey again;
    ASSERT_EQ(Root().Create("SOFTWARE\\qelapps\\GEN\\fenster", kKeyAllAccess, again, &disposition),
              kRegistrySuccess);
    EXPECT_EQ(disposition, KeyDisposition::OpenedExistingKey);

    HiveKey apps;
    ASSERT_EQ(Root().Open("software\\QELAPPS", kKeyRead, apps), kRegistrySuccess);
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
        EXPECT_EQ(Root().Create(path, kKeyAllAccess, opened), kRegistryBadPath) << path;
        EXPECT_EQ(Root().Open(path, kKeyAllAccess, opened), kRegistryBadPath) << path;
        EXPECT_EQ(Root().DeleteKey(path), kRegistryBadPath) << path;
    }
    EXPECT_EQ(Subkeys(Root()), std::vector<std::string>{"Software"});
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

    EXPECT_EQ(key.DeleteValue("text"), kRegistrySuccess);
    EXPECT_EQ(key.QueryValue("Text", info), kRegistryNotFound);
    EXPECT_EQ(key.DeleteValue("Text"), kRegistryNotFound);
}

TEST_F(HiveKeyTest, KeysWithSubkeysStayAndDeletedKeysFailTheirHandles) {
    const HiveKey parent = CreateKey("Software\\Test");
    const HiveKey child = CreateKey("Software\\Test\\Kind");
    ASSERT_EQ(child.SetValue("Wert", RegistryType::Binary, Bytes("1")), kRegistrySuccess);
    EXPECT_EQ(Root().DeleteKey("Software\\Test"), kRegistryAccessDenied);
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
    ASSERT_EQ(Root().Open("Software\\Test", kKeyRead, readOnly), kRegistrySuccess);
    EXPECT_EQ(readOnly.SetValue("Wert", RegistryType::Binary, Bytes("1")), kRegistryAccessDenied);

    HiveKey none;
    HiveKey opened;
    RegistryValueInfo info;
    std::string name;
    EXPECT_EQ(none.QueryValue("Wert", info), kRegistryInvalidHandle);
    EXPECT_EQ(none.EnumKey(0, name), kRegistryInvalidHandle);
    EXPECT_EQ(none.Open("Kind", kKeyRead, opened), kRegistryInvalidHandle);
}

}  // namespace
}  // namespace platform
