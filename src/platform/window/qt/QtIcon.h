// Icon handles as Qt icons.
#pragma once

#include <QIcon>

#include "platform/window/Icon.h"

namespace platform {

QIcon ToQIcon(const Icon& icon);

}  // namespace platform
