// The program's resources: dialog templates, menu, accelerator tables, icon and string table.
#pragma once

#include "platform/window/Resources.h"

namespace schattwerk {

// Tables with static storage, ready to install.
platform::ResourceSet ProgramResources();

}  // namespace schattwerk
