// An icon handle: one of the program's icon resources or one of the system's message icons.
#pragma once

namespace platform {

enum class SystemIcon { None, Stop, Exclamation, Information };

class Icon {
  public:
    Icon() = default;

    // A null icon when the program has no icon resource of that id.
    static Icon FromResource(int resourceId);
    static Icon FromSystem(SystemIcon which);

    bool IsNull() const { return resourceId == 0 && system == SystemIcon::None; }
    int ResourceId() const { return resourceId; }
    SystemIcon System() const { return system; }
    bool operator==(const Icon&) const = default;

  private:
    int resourceId = 0;
    SystemIcon system = SystemIcon::None;
};

}  // namespace platform
