// The resources that the program file itself carries, where the build wrote them from the tables:
// what a translator edits there is what the program shows.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

namespace platform {

// The dialog template of `id` in the program file, ready to be made hidden; none when the file has
// none of that id (a template built in memory, or a program whose file carries no templates).
std::optional<std::vector<WORD>> ProgramFileTemplate(int id);

// Clears the template's visible style: the modal run shows the window once it is placed.
void MakeHidden(std::vector<WORD>& dialogTemplate);

}  // namespace platform
