// What a player can put into the hint fields besides two digits: pasted letters, signs, blanks,
// other digits and over-long text. The fields keep digits only, two at most; whatever they hold
// decodes as shown, or is refused with the entry still open and the other fields as typed.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/GeneratorApp.h"
#include "case_model/Ids.h"
#include "support/ModalScript.h"
#include "support/StandInOpener.h"
#include "ui/ResourceIds.h"

namespace schattwerk {
namespace {

using platform::Dialog;
using ::testing::HasSubstr;
using testsupport::ModalScript;

constexpr const char* kMain = "Dornak-Schattwerk-Generator";
constexpr const char* kEntry = "Hinweise eingeben";
const std::vector<std::string> kWorkedExample{"74", "34", "55", "22", "86", "60", "47", "21"};

void TypeHints(Dialog& entry, const std::vector<std::string>& hints) {
    for (int i = 0; i < WitnessCount; ++i) {
        entry.SetItemText(HintFieldFirst + i, hints.at(static_cast<std::size_t>(i)));
    }
}

class HintFieldInputTest : public ::testing::Test {
  protected:
    void SetUp() override { application.AttachModule(platform::ModuleInstance(PROGRAM_FILE)); }

    testsupport::StandInOpener opener;
    GeneratorApp application;
    ModalScript script;
};

TEST_F(HintFieldInputTest, PastedTextKeepsDigitsOnlyTwoAtMost) {
    const std::vector<std::pair<std::string, std::string>> pasted{
        {"7a", "0"},
        {"-5", "0"},
        {"+5", "0"},
        {" 74", "0"},
        {"\t7", "0"},
        {"７４", "0"},
        {"Zeuge", "0"},
        {"4\n", "0"},
        {"86", "86"},
        {"5", "5"},
        // The field takes the first two characters of a long text, if they are digits.
        {"74 ", "74"},
        {"1234", "12"},
        {"0000012", "00"},
        {"9x", "0"},
        // Pasting nothing over the selection clears it, as deleting it would.
        {"", ""},
    };
    script
        .Expect(kMain,
                [](Dialog& main) {
                    testsupport::Click(main, DecodeButton);
                    main.EndDialog(2);
                })
        .Expect(kEntry, [&pasted](Dialog& entry) {
            for (const auto& [text, kept] : pasted) {
                entry.SetItemText(HintFieldFirst + 2, "0");
                testsupport::PasteText(entry, HintFieldFirst + 2, text);
                EXPECT_EQ(entry.ItemText(HintFieldFirst + 2), kept) << '"' << text << '"';
            }
            entry.EndDialog(2);
        });
    EXPECT_FALSE(application.InitInstance());
}

// A field that holds no number (empty after the player deleted everything) is refused and
// focused; the other fields keep their text, and once it is mended the case decodes.
TEST_F(HintFieldInputTest, AnEmptiedFieldIsRefusedAndNothingElseIsLost) {
    script
        .Expect(kMain,
                [](Dialog& main) {
                    testsupport::Click(main, DecodeButton);
                    EXPECT_EQ(main.ItemText(CulpritLabel), "Frau Sorrak");
                    main.EndDialog(2);
                })
        .Expect(kEntry,
                [](Dialog& entry) {
                    TypeHints(entry, kWorkedExample);
                    testsupport::PasteText(entry, HintFieldFirst + 5, "1234");
                    entry.FocusItem(HintFieldFirst + 5);
                    testsupport::PressKey(entry, platform::KeyBackspace);
                    testsupport::PressKey(entry, platform::KeyBackspace);
                    EXPECT_EQ(entry.ItemText(HintFieldFirst + 5), "");
                    testsupport::PressKey(entry, platform::KeyReturn);
                    EXPECT_TRUE(testsupport::IsShown(entry));
                    EXPECT_EQ(entry.FocusedItem(), HintFieldFirst + 5);
                    for (int i : {0, 1, 2, 3, 4, 6, 7}) {
                        EXPECT_EQ(entry.ItemText(HintFieldFirst + i),
                                  kWorkedExample[static_cast<std::size_t>(i)]);
                    }
                    testsupport::PasteText(entry, HintFieldFirst + 5, "60");
                    testsupport::PressKey(entry, platform::KeyReturn);
                })
        .Expect("schattwerk-generator", [](Dialog& message) {
            EXPECT_THAT(message.ItemText(101), HasSubstr("Geben Sie bitte eine ganze Zahl ein."));
            message.EndDialog(1);
        });
    EXPECT_FALSE(application.InitInstance());
    EXPECT_TRUE(script.Done());
}

}  // namespace
}  // namespace schattwerk
