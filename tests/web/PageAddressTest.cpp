// The page's addresses: which fragments name a case, in which spelling the case answers, and what
// every other fragment is told. The browser tests reach these rules only through a few addresses.
#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "web/PageCase.h"

namespace schattwerk::web {
namespace {

constexpr std::string_view kRangeText =
    "Die Adresse enthält keine gültige Fall-Nr.; erlaubt sind ganze Zahlen von 0 bis 2147483647.";
constexpr std::string_view kHintsText =
    "Die Adresse enthält keine acht Hinweisnummern; erwartet werden acht Zahlen mit „-“ "
    "dazwischen, etwa #hinweise=74-34-55-22-86-60-47-21.";
constexpr std::string_view kNoCaseText =
    "Die Adresse nennt keinen Fall; erwartet wird #fall= mit einer Fall-Nr. oder #hinweise= mit "
    "acht Hinweisnummern.";

// The address that `fragment` answers with, or "" when it names no case.
std::string AnsweredAddress(std::string_view fragment) {
    const AddressAnswer answer = CaseOfAddress(fragment);
    const auto* shown = std::get_if<PageCase>(&answer);
    return shown ? shown->address : "";
}

// The text that refuses `fragment`, checked to lead to the help on addresses.
std::string RefusalText(std::string_view fragment) {
    const AddressAnswer answer = CaseOfAddress(fragment);
    const auto* refusal = std::get_if<PageRefusal>(&answer);
    if (!refusal) {
        ADD_FAILURE() << "not refused: " << fragment;
        return "";
    }
    EXPECT_EQ(refusal->helpTopic, "ref_webseite.html#l_adresse") << fragment;
    EXPECT_EQ(refusal->field, 0) << fragment;
    return refusal->text;
}

TEST(PageAddressTest, CaseNumbersFromZeroToTheLastSeedInOneSpelling) {
    EXPECT_TRUE(std::holds_alternative<NoCase>(CaseOfAddress("")));
    EXPECT_EQ(AnsweredAddress("fall=0"), "fall=0");
    EXPECT_EQ(AnsweredAddress("fall=2147483647"), "fall=2147483647");
    EXPECT_EQ(AnsweredAddress("fall=0001234567"), "fall=1234567");
    EXPECT_EQ(AnsweredAddress("fall=00000000000000000000042"), "fall=42");

    const auto drawn = std::get<PageCase>(CaseOfAddress("fall=4242"));
    EXPECT_EQ(drawn.name, "Fall 4242");
    EXPECT_EQ(drawn.caseLine, "Fall-Nr. 4242");
    EXPECT_FALSE(drawn.opensSolved);
}

TEST(PageAddressTest, ACaseNumberIsDigitsAloneWithinTheRange) {
    for (const std::string_view fragment :
         {"fall=", "fall=2147483648", "fall=4294967296", "fall=18446744073709551617", "fall=-1",
          "fall=+1", "fall=-0", "fall= 1", "fall=1 ", "fall=1e3", "fall=0x10", "fall=12-3"}) {
        EXPECT_EQ(RefusalText(fragment), kRangeText) << fragment;
    }
}

TEST(PageAddressTest, EightHintNumbersOfUpToNineDigitsJoinedByHyphens) {
    const auto decoded = std::get<PageCase>(CaseOfAddress("hinweise=74-34-55-22-86-60-47-21"));
    EXPECT_EQ(decoded.address, "hinweise=74-34-55-22-86-60-47-21");
    EXPECT_EQ(decoded.name, "Fall 74-34-55-22-86-60-47-21");
    EXPECT_EQ(decoded.caseLine, decoded.name);
    EXPECT_TRUE(decoded.opensSolved);
    EXPECT_EQ(decoded.culprit, "Frau Sorrak");
    EXPECT_EQ(decoded.place, "Kirmes");
    EXPECT_EQ(AnsweredAddress("hinweise=000000074-034-55-22-86-60-47-21"),
              "hinweise=74-34-55-22-86-60-47-21");

    for (const std::string_view fragment :
         {"hinweise=", "hinweise=74-34-55-22-86-60-47", "hinweise=74-34-55-22-86-60-47-21-21",
          "hinweise=0000000074-34-55-22-86-60-47-21", "hinweise=74-34-55-22-86-60-47-0000000021",
          "hinweise=74--34-55-22-86-60-47-21", "hinweise=-74-34-55-22-86-60-47-21",
          "hinweise=74-34-55-22-86-60-47-21-", "hinweise=+74-34-55-22-86-60-47-21",
          "hinweise=74-+34-55-22-86-60-47-21", "hinweise=74 34 55 22 86 60 47 21",
          "hinweise=74,34,55,22,86,60,47,21", "hinweise=74-34-55-22-86-60-47-2x"}) {
        EXPECT_EQ(RefusalText(fragment), kHintsText) << fragment;
    }
}

TEST(PageAddressTest, HintNumbersThatMakeNoCaseAreRefusedWithTheEnginesMessage) {
    EXPECT_EQ(RefusalText("hinweise=74-34-12-22-86-60-47-21"),
              "Die Hinweisnummern der Adresse ergeben keinen Fall. FEHLER 100: 12 ist keine "
              "gültige Hinweisnummer für Fräulein Livana.");
    EXPECT_EQ(RefusalText("hinweise=999999999-34-55-22-86-60-47-21"),
              "Die Hinweisnummern der Adresse ergeben keinen Fall. FEHLER 100: 999999999 ist "
              "keine gültige Hinweisnummer für Professor Quillon.");
    EXPECT_EQ(RefusalText("hinweise=74-34-55-22-86-60-47-45"),
              "Die Hinweisnummern der Adresse ergeben keinen Fall. FEHLER 101: Diese "
              "Hinweisnummern ergeben keinen gültigen Fall.");
}

TEST(PageAddressTest, AnyOtherFragmentNamesNoCase) {
    for (const std::string_view fragment :
         {"Fall=42", "fall42", "#fall=42", " fall=42", "hinweis=74-34-55-22-86-60-47-21", "x"}) {
        EXPECT_EQ(RefusalText(fragment), kNoCaseText) << fragment;
    }
}

}  // namespace
}  // namespace schattwerk::web
