// The ids and texts that the program's dialogs and its resource tables share.
#pragma once

namespace schattwerk {

// Templates, menu, accelerator tables, icon.
inline constexpr int IdMainDialog = 102;
inline constexpr int IdIcon = 128;
inline constexpr int IdHintEntryDialog = 129;
inline constexpr int IdMenu = 130;
inline constexpr int IdAboutDialog = 131;
inline constexpr int IdDialogAccelerators = 133;
inline constexpr int IdMainAccelerators = 134;

// Commands.
inline constexpr int CommandHelp = 9;
inline constexpr int CommandGenerate = 1000;
inline constexpr int CommandToggleSolution = 1019;
inline constexpr int CommandDecode = 1021;
inline constexpr int CommandAbout = 40001;
inline constexpr int CommandHelpHome = 40002;

// Controls: row i of a witness list is WitnessLabelFirst + i, and so on.
inline constexpr int WitnessLabelFirst = 1001;
inline constexpr int HintLabelFirst = 1009;
inline constexpr int CulpritLabel = 1017;
inline constexpr int PlaceLabel = 1018;
inline constexpr int ToggleSolutionButton = CommandToggleSolution;
inline constexpr int GenerateButton = CommandGenerate;
inline constexpr int DecodeButton = CommandDecode;
inline constexpr int HintFieldFirst = 1022;
inline constexpr int ProductLabel = 1030;
inline constexpr int CopyrightLabel = 1031;

// The captions of the main dialog's solution, which also name the labels they stand over.
inline constexpr const char* CulpritCaption = "Täter:";
inline constexpr const char* PlaceCaption = "Versteck:";

// Help topics of the dialogs.
inline constexpr const char* HelpMainDialog = "ref_dlg_main.html#content";
inline constexpr const char* HelpHintEntryDialog = "ref_dlg_hinweise.html#content";
inline constexpr const char* HelpAboutDialog = "ref_dlg_info.html#content";

}  // namespace schattwerk
