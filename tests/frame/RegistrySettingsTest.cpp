// The settings store on the user's registry: value formats and their exact sizes, defaults,
// sections and their deletion, and a program that touches nothing.
#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "TestFiles.h"
#include "frame/RegistryKey.h"
#include "frame/RegistrySettings.h"
#include "platform/registry/HiveKey.h"

namespace qel::Windows {
namespace {

using platform::HiveKey;
using platform::RegistryType;
using platform::RegistryValueInfo;

class RegistrySettingsTest : public ::testing::Test {
  protected:
    // On Linux each test has a hive of its own; the Windows registry keeps what a test left.
    RegistrySettingsTest() {
        EraseTestKeys();
        store.SetKeyName("QelApps\\Gen");
    }
    ~RegistrySettingsTest() override { EraseTestKeys(); }

    static void EraseTestKeys() {
        RegistryKey software;
        if (software.Open(HiveKey::CurrentUser(), "Software", platform::kKeyAllAccess) ==
            platform::kRegistrySuccess) {
            for (const char* name : {"QelApps\\Gen", "QelApps\\(ohne Namen)", "Fenster"}) {
                software.DeleteTree(name);
            }
        }
    }

    HiveKey Key(std::string_view path) {
        HiveKey key;
        EXPECT_EQ(HiveKey::CurrentUser().Open(path, platform::kKeyAllAccess, key),
                  platform::kRegistrySuccess)
            << path;
        return key;
    }

    bool KeyExists(std::string_view path) {
        HiveKey key;
        return HiveKey::CurrentUser().Open(path, platform::kKeyRead, key) ==
               platform::kRegistrySuccess;
    }

    std::vector<std::byte> Stored(std::string_view section, std::string_view name,
                                  RegistryType& type) {
        const HiveKey key = Key("Software\\QelApps\\Gen\\" + std::string(section));
        RegistryValueInfo info;
        std::vector<std::byte> data(64);
        EXPECT_EQ(key.QueryValue(name, info, data), platform::kRegistrySuccess) << name;
        type = info.type;
        data.resize(info.size);
        return data;
    }

    testsupport::ConfigFolder folder;
    RegistrySettings store;
};

TEST_F(RegistrySettingsTest, AProgramThatOpensNoSectionLeavesNoKey) {
    {
        auto settings = std::make_unique<RegistrySettings>();
        settings->SetKeyName("QelApps\\Gen");
        EXPECT_FALSE(settings->IsOpen());
        EXPECT_EQ(settings->Close(), 0);
        EXPECT_EQ(settings->GetInt("Breite", 5), 5);
        EXPECT_FALSE(settings->SetInt("Breite", 6));
        EXPECT_TRUE(settings->DeleteSection("Fenster"));
    }
    EXPECT_FALSE(KeyExists("Software\\QelApps\\Gen"));
    EXPECT_FALSE(std::filesystem::exists(folder.HiveFile().parent_path())) << "nor a hive file";
}

TEST_F(RegistrySettingsTest, FlagsAreOneByteAndReadOnlyFromOneByte) {
    ASSERT_TRUE(store.OpenSection("Fenster"));
    ASSERT_TRUE(store.SetBool("Sichtbar", 5));
    EXPECT_EQ(store.GetBool("Sichtbar", 7), 1);
    RegistryType type{};
    EXPECT_EQ(Stored("Fenster", "Sichtbar", type), std::vector<std::byte>{std::byte{1}});
    EXPECT_EQ(type, RegistryType::Binary);
    ASSERT_TRUE(store.SetBool("Sichtbar", 0));
    EXPECT_EQ(store.GetBool("Sichtbar", 7), 0);

    const std::array<std::byte, 2> twoBytes{std::byte{1}, std::byte{0}};
    ASSERT_TRUE(store.SetBinary("Zwei", twoBytes));
    EXPECT_EQ(store.GetBool("Zwei", 7), 7);
    const std::array<std::byte, 1> stored{std::byte{0x80}};
    ASSERT_TRUE(store.SetBinary("Eins", stored));
    EXPECT_EQ(store.GetBool("Eins", 7), 1);
}

TEST_F(RegistrySettingsTest, IntegersAreFourBytesLeastSignificantFirst) {
    ASSERT_TRUE(store.OpenSection("Fenster"));
    ASSERT_TRUE(store.SetInt("Breite", -2023406815));  // 0x87654321
    RegistryType type{};
    EXPECT_EQ(Stored("Fenster", "Breite", type),
              (std::vector<std::byte>{std::byte{0x21}, std::byte{0x43}, std::byte{0x65},
                                      std::byte{0x87}}));
    EXPECT_EQ(type, RegistryType::Binary);
    EXPECT_EQ(store.GetInt("breite", 0), -2023406815);
    std::array<std::int32_t, 1> one{};
    const std::array<std::int32_t, 1> fallback{9};
    store.GetIntArray("Breite", fallback, one);
    EXPECT_EQ(one[0], -2023406815);
    std::array<std::byte, 4> bytes{};
    EXPECT_EQ(store.GetBinary("Breite", {}, bytes), platform::kRegistrySuccess);
    EXPECT_EQ(bytes[0], std::byte{0x21});
}

TEST_F(RegistrySettingsTest, ValuesOfAnotherTypeOrSizeGiveTheDefault) {
    ASSERT_TRUE(store.OpenSection("Fenster"));
    const std::array<std::byte, 4> dword{std::byte{1}, std::byte{0}, std::byte{0}, std::byte{0}};
    ASSERT_EQ(
        Key("Software\\QelApps\\Gen\\Fenster").SetValue("Dword", RegistryType::DoubleWord, dword),
        platform::kRegistrySuccess);
    EXPECT_EQ(store.GetInt("Dword", 42), 42);
    ASSERT_TRUE(store.SetString("Text", "1234"));
    EXPECT_EQ(store.GetInt("Text", 42), 42);
    EXPECT_EQ(store.GetString("Dword", "vorgabe"), "vorgabe");

    const std::array<std::int32_t, 3> three{1, 2, 3};
    ASSERT_TRUE(store.SetIntArray("Drei", three));
    EXPECT_EQ(store.GetInt("Drei", 42), 42);
    std::array<std::int32_t, 2> two{};
    const std::array<std::int32_t, 2> fallback{8, 9};
    store.GetIntArray("Drei", fallback, two);
    EXPECT_EQ(two, fallback);
    std::array<std::int32_t, 3> read{};
    store.GetIntArray("Drei", {}, read);
    EXPECT_EQ(read, three);

    std::array<std::byte, 8> block{};
    const std::array<std::byte, 8> blockDefault{std::byte{5}};
    EXPECT_EQ(store.GetBinary("Drei", blockDefault, block), platform::kRegistryMoreData);
    EXPECT_EQ(block, blockDefault);
    EXPECT_EQ(store.GetBinary("Text", blockDefault, block), platform::kRegistryInvalidData);
    EXPECT_EQ(store.GetBinary("Fehlt", blockDefault, block), platform::kRegistryNotFound);
}

TEST_F(RegistrySettingsTest, DefaultsThatAreTheOutputStayAsTheyAre) {
    ASSERT_TRUE(store.OpenSection("Fenster"));
    std::array<std::int32_t, 3> values{4, 5, 6};
    store.GetIntArray("Fehlt", values, values);
    EXPECT_EQ(values, (std::array<std::int32_t, 3>{4, 5, 6}));
    std::array<std::byte, 2> bytes{std::byte{7}, std::byte{8}};
    store.GetBinary("Fehlt", bytes, bytes);
    EXPECT_EQ(bytes, (std::array<std::byte, 2>{std::byte{7}, std::byte{8}}));
}

TEST_F(RegistrySettingsTest, TextsKeepTheirZeroAndEndAtTheFirst) {
    ASSERT_TRUE(store.OpenSection("Fenster"));
    ASSERT_TRUE(store.SetString("Titel", "Fälle für Straße"));
    RegistryType type{};
    EXPECT_EQ(Stored("Fenster", "Titel", type).size(), std::string("Fälle für Straße").size() + 1);
    EXPECT_EQ(type, RegistryType::String);
    EXPECT_EQ(store.GetString("TITEL", ""), "Fälle für Straße");
    ASSERT_TRUE(store.SetString("Teil", std::string("vorne\0hinten", 12)));
    EXPECT_EQ(store.GetString("Teil", ""), "vorne");
    ASSERT_TRUE(store.SetString("Leer", ""));
    EXPECT_EQ(store.GetString("Leer", "vorgabe"), "");
    EXPECT_EQ(store.GetString("Fehlt", "vorgabe"), "vorgabe");

    EXPECT_TRUE(store.DeleteValue("Titel"));
    EXPECT_FALSE(store.DeleteValue("Titel"));
    EXPECT_EQ(store.GetString("Titel", "weg"), "weg");
}

TEST_F(RegistrySettingsTest, OpeningASecondSectionClosesTheFirst) {
    ASSERT_TRUE(store.OpenSection("Erste"));
    ASSERT_TRUE(store.OpenSection("Zweite"));
    EXPECT_TRUE(store.IsOpen());
    ASSERT_TRUE(store.SetInt("Wert", 2));
    RegistryType type{};
    EXPECT_EQ(Stored("Zweite", "Wert", type).size(), 4U);
    RegistryValueInfo info;
    EXPECT_EQ(Key("Software\\QelApps\\Gen\\Erste").QueryValue("Wert", info),
              platform::kRegistryNotFound);
    EXPECT_EQ(store.Close(), 0);
    EXPECT_FALSE(store.IsOpen());
    EXPECT_EQ(store.GetInt("Wert", 5), 5);
}

TEST_F(RegistrySettingsTest, DeleteSectionRemovesNestedKeysDepthFirst) {
    ASSERT_TRUE(store.OpenSection("Fenster\\Haupt\\Spalten"));
    ASSERT_TRUE(store.SetInt("Breite", 1));
    ASSERT_TRUE(store.OpenSection("Fenster\\Haupt\\Zeilen\\Tief"));
    ASSERT_TRUE(store.OpenSection("Fenster\\Neben"));
    ASSERT_TRUE(store.SetInt("Breite", 2));
    ASSERT_TRUE(store.OpenSection("Andere"));
    ASSERT_TRUE(store.SetInt("Breite", 3));

    EXPECT_TRUE(store.DeleteSection("FENSTER"));
    EXPECT_FALSE(KeyExists("Software\\QelApps\\Gen\\Fenster"));
    EXPECT_TRUE(KeyExists("Software\\QelApps\\Gen\\Andere"));
    EXPECT_TRUE(store.IsOpen());
    EXPECT_EQ(store.GetInt("Breite", 0), 3);

    EXPECT_FALSE(store.DeleteSection("Fenster"));
    EXPECT_FALSE(store.DeleteSection(""));
    EXPECT_TRUE(KeyExists("Software\\QelApps\\Gen\\Andere"));
    RegistrySettings keyless;
    keyless.SetKeyName("QelApps\\Fehlt");
    EXPECT_TRUE(keyless.DeleteSection("Fenster"));
}

TEST_F(RegistrySettingsTest, WithoutAKeyNameSectionsStillHaveAKeyOfTheirOwn) {
    HiveKey other;
    ASSERT_EQ(HiveKey::CurrentUser().Create("Software\\Fenster", platform::kKeyAllAccess, other),
              platform::kRegistrySuccess);
    RegistrySettings unnamed;
    unnamed.SetKeyName(nullptr);
    EXPECT_EQ(unnamed.KeyName(), "");
    ASSERT_TRUE(unnamed.OpenSection("Fenster"));
    ASSERT_TRUE(unnamed.SetInt("Breite", 1));
    EXPECT_TRUE(KeyExists(unnamed.ProgramKeyPath() + "\\Fenster"));
    EXPECT_NE(unnamed.ProgramKeyPath(), "Software\\");
    EXPECT_TRUE(unnamed.DeleteSection("Fenster"));
    EXPECT_FALSE(KeyExists(unnamed.ProgramKeyPath() + "\\Fenster"));
    EXPECT_TRUE(KeyExists("Software\\Fenster"));
}

}  // namespace
}  // namespace qel::Windows
