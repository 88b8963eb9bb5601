// Integers in dialog fields: which texts are whole numbers, and what a refused field does.
#include <gtest/gtest.h>

#include "field_input/FieldInteger.h"
#include "platform/window/Application.h"
#include "platform/window/DataExchange.h"
#include "platform/window/Dialog.h"
#include "support/ModalScript.h"

namespace platform {
namespace {

using schattwerk::ParseFieldInteger;
using testsupport::ModalScript;

TEST(ParseFieldInteger, TakesBlanksAroundASignedNumberAndNothingElse) {
    const std::pair<const char*, int> accepted[] = {
        {"0", 0},   {" 07 ", 7},    {"\t42\t", 42},
        {"-5", -5}, {"+5", 5},      {"00", 0},
        {"95", 95}, {" -12 ", -12}, {"2147483647", 2147483647},
    };
    for (const auto& [text, value] : accepted) {
        EXPECT_EQ(ParseFieldInteger(text), value) << '"' << text << '"';
    }
    for (const char* refused : {"", " ", "-", "+", "+0", "-0", " -0", "1 2", "12a", "a12", "0x1",
                                "1.5", "--1", "+-1", "2147483648", "\n1", "１"}) {
        EXPECT_EQ(ParseFieldInteger(refused), std::nullopt) << '"' << refused << '"';
    }
}

class TwoNumbers : public Dialog {
  public:
    TwoNumbers()
        : Dialog(
              DialogTemplate{
                  0,
                  "Zahlen",
                  120,
                  60,
                  DialogCaption,
                  0,
                  {{21, ControlKind::Edit, {7, 7, 30, 12}, "", StyleTabStop},
                   {22, ControlKind::Edit, {7, 25, 30, 12}, "", StyleTabStop},
                   {CommandOk, ControlKind::DefaultButton, {7, 42, 50, 14}, "OK", StyleTabStop}}},
              nullptr) {}
    int first = 3;
    int second = 4;

  protected:
    void DoDataExchange(DataExchange& exchange) override {
        exchange.Integer(21, first);
        exchange.Integer(22, second);
    }
};

TEST(DataExchange, ARefusedFieldStopsTheTransferWithAMessageAndKeepsTheDialogOpen) {
    Application application;
    application.AttachModule(ModuleInstance("/opt/gen/Gen"));
    TwoNumbers dialog;
    ModalScript script;
    script
        .Expect("Zahlen",
                [](Dialog& d) {
                    EXPECT_EQ(d.ItemText(21), "3") << "values go into the fields at the start";
                    EXPECT_EQ(d.ItemText(22), "4");
                    d.SetItemText(21, " 07 ");
                    d.SetItemText(22, "-0");
                    d.FocusItem(21);
                    testsupport::PressKey(d, platform::KeyReturn);
                    EXPECT_TRUE(testsupport::IsShown(d));
                    EXPECT_EQ(d.FocusedItem(), 22);
                    EXPECT_EQ(d.SelectedItemText(22), "-0");
                    d.SetItemText(22, "12");
                    testsupport::PressKey(d, platform::KeyReturn);
                })
        .Expect("Gen", [](Dialog& d) {
            EXPECT_NE(d.ItemText(101).find("Geben Sie bitte eine ganze Zahl ein."),
                      std::string::npos);
            EXPECT_EQ(d.ItemIcon(100), Icon::FromSystem(SystemIcon::Exclamation));
            testsupport::PressKey(d, platform::KeyReturn);
        });
    EXPECT_EQ(dialog.DoModal(), CommandOk);
    EXPECT_EQ(dialog.first, 7);
    EXPECT_EQ(dialog.second, 12);
}

}  // namespace
}  // namespace platform
