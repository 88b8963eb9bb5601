// The resource tables as a resource script, from which windres compiles them into the program
// file: the dialog templates (the bytes that WriteDialogTemplate makes), menus, accelerator
// tables and the string table. Defined in the Windows build only, for its build tool.
#pragma once

#include <ostream>

#include "platform/window/Resources.h"

namespace platform {

// Everything but the icons, whose images the script names as a file of their own.
void WriteResourceScript(std::ostream& out, const ResourceSet& resources);

}  // namespace platform
