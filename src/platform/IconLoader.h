// Icon handles as Qt icons (inside the platform only).
#pragma once

#include <QIcon>

#include "platform/Icon.h"

namespace platform {

QIcon ToQIcon(const Icon& icon);

}  // namespace platform
