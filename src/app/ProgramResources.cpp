// Every resource of the program, each a table in this one place.
#include "app/ProgramResources.h"

#include "app/IconImages.h"
#include "case_engine/EngineMessages.h"
#include "case_model/Ids.h"
#include "ui/ResourceIds.h"

namespace schattwerk {
namespace {

using platform::ControlKind;
using platform::ControlTemplate;
using platform::DialogTemplate;

constexpr unsigned kGroupLabel = platform::StyleGroup;
constexpr unsigned kSunkenLabel = platform::StyleGroup | platform::StyleSunken;
constexpr unsigned kCentredLabel = platform::StyleGroup | platform::StyleCentered;
constexpr unsigned kHintField = platform::StyleBorder | platform::StyleTabStop |
                                platform::StyleDigitsOnly | platform::StyleAutoScroll;
// The eight witness rows stand 14 units apart from y = 14 on.
constexpr int RowTop(int row) {
    return 14 + 14 * row;
}

// Row i of the witness list, at the same place in the main dialog and the hint entry.
ControlTemplate WitnessLabel(int row) {
    return {
        WitnessLabelFirst + row, ControlKind::Label, {14, RowTop(row), 72, 10}, "-", kGroupLabel};
}

std::vector<ControlTemplate> MainDialogControls() {
    std::vector<ControlTemplate> controls{{-1, ControlKind::EtchedFrame, {7, 7, 108, 122}, {}}};
    for (int i = 0; i < WitnessCount; ++i) {
        controls.push_back(WitnessLabel(i));
    }
    for (int i = 0; i < WitnessCount; ++i) {
        controls.push_back(
            {HintLabelFirst + i, ControlKind::Label, {94, RowTop(i), 14, 10}, "", kSunkenLabel});
    }
    const std::vector<ControlTemplate> rest{
        {-1, ControlKind::EtchedFrame, {122, 7, 141, 122}, {}},
        {-1, ControlKind::Label, {150, 22, 72, 10}, CulpritCaption, kGroupLabel},
        {CulpritLabel, ControlKind::Label, {157, 36, 72, 10}, "-", kSunkenLabel},
        {-1, ControlKind::Label, {150, 54, 72, 10}, PlaceCaption, kGroupLabel},
        {PlaceLabel, ControlKind::Label, {157, 68, 72, 10}, "-", kSunkenLabel},
        {ToggleSolutionButton,
         ControlKind::Button,
         {165, 94, 50, 14},
         "Anzeigen",
         platform::StyleTabStop},
        {GenerateButton,
         ControlKind::DefaultButton,
         {7, 137, 50, 14},
         "Generieren",
         platform::StyleTabStop},
        {DecodeButton,
         ControlKind::Button,
         {64, 137, 50, 14},
         "Entschlüsseln",
         platform::StyleTabStop},
        {platform::CommandCancel,
         ControlKind::Button,
         {213, 137, 50, 14},
         "Schließen",
         platform::StyleTabStop},
    };
    controls.insert(controls.end(), rest.begin(), rest.end());
    return controls;
}

std::vector<ControlTemplate> HintEntryControls() {
    std::vector<ControlTemplate> controls{{-1, ControlKind::EtchedFrame, {7, 7, 112, 122}, {}}};
    for (int i = 0; i < WitnessCount; ++i) {
        controls.push_back(WitnessLabel(i));
        controls.push_back(
            {HintFieldFirst + i, ControlKind::Edit, {94, RowTop(i), 18, 12}, "", kHintField});
    }
    controls.push_back({platform::CommandOk,
                        ControlKind::DefaultButton,
                        {7, 135, 50, 14},
                        "OK",
                        platform::StyleTabStop});
    controls.push_back({platform::CommandCancel,
                        ControlKind::Button,
                        {69, 135, 50, 14},
                        "Abbrechen",
                        platform::StyleTabStop});
    return controls;
}

const std::vector<DialogTemplate>& Dialogs() {
    static const std::vector<DialogTemplate> dialogs{
        {IdMainDialog, "Dornak-Schattwerk-Generator", 270, 158,
         platform::DialogVisible | platform::DialogCaption | platform::DialogSystemMenu |
             platform::DialogModalFrame | platform::DialogAppWindow,
         IdMenu, MainDialogControls(), true},
        {IdHintEntryDialog, "Hinweise eingeben", 126, 156,
         platform::DialogCaption | platform::DialogSystemMenu | platform::DialogModalFrame, 0,
         HintEntryControls()},
        {IdAboutDialog,
         "Info",
         236,
         76,
         platform::DialogPopup | platform::DialogCaption | platform::DialogModalFrame,
         0,
         {{-1, ControlKind::IconLabel, {23, 19, 21, 20}, {}, platform::StyleNone, IdIcon},
          {ProductLabel,
           ControlKind::Label,
           {44, 19, 185, 8},
           "Dornak-Schattwerk-Generator vX.XX",
           kCentredLabel},
          {CopyrightLabel,
           ControlKind::Label,
           {44, 30, 185, 8},
           "Copyright (C) Hersteller",
           kCentredLabel},
          {platform::CommandOk,
           ControlKind::DefaultButton,
           {92, 55, 50, 14},
           "&Schließen",
           platform::StyleTabStop}}},
    };
    return dialogs;
}

const std::vector<platform::MenuTemplate> kMenus{
    {IdMenu,
     {{"&Datei", {{"B&eenden\tAlt-F4", platform::CommandCancel}}},
      {"&Aktion", {{"&Generieren", CommandGenerate}, {"&Entschlüsseln ...", CommandDecode}}},
      {"&Hilfe",
       {{"Hilfe-&Startseite ...", CommandHelpHome},
        {"&Hilfe ...\tF1", CommandHelp},
        {"I&nfo ...", CommandAbout}}}}},
};

const std::vector<platform::AcceleratorTable> kAccelerators{
    {IdDialogAccelerators, {{platform::KeyF1, platform::ModifierNone, CommandHelp}}},
    {IdMainAccelerators, {{platform::KeyF1, platform::ModifierNone, CommandHelp}}},
};

const std::vector<platform::StringResource>& Strings() {
    static const std::vector<platform::StringResource> strings{
        {MessageInvalidHint, EngineMessageText(MessageInvalidHint)},
        {MessageUnsoundCase, EngineMessageText(MessageUnsoundCase)},
    };
    return strings;
}

const std::vector<platform::IconResource>& Icons() {
    static const std::vector<platform::IconResource> icons{{IdIcon, ProgramIconImages()}};
    return icons;
}

}  // namespace

platform::ResourceSet ProgramResources() {
    return {Dialogs(), kMenus, kAccelerators, Icons(), Strings()};
}

}  // namespace schattwerk
