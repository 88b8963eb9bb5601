// Looking up the installed resources by id.
#include "platform/window/Resources.h"

#include <algorithm>

namespace platform {
namespace {

ResourceSet installed;

template <class Item, class Id>
const Item* FindById(std::span<const Item> items, Id id) {
    const auto found =
        std::find_if(items.begin(), items.end(), [id](const Item& item) { return item.id == id; });
    return found == items.end() ? nullptr : &*found;
}

}  // namespace

void Resources::Install(const ResourceSet& resources) {
    installed = resources;
}

const DialogTemplate* Resources::Dialog(int id) {
    return FindById(installed.dialogs, id);
}

const MenuTemplate* Resources::Menu(int id) {
    return FindById(installed.menus, id);
}

const AcceleratorTable* Resources::Accelerators(int id) {
    return FindById(installed.accelerators, id);
}

const IconResource* Resources::Icon(int id) {
    return FindById(installed.icons, id);
}

std::string Resources::String(unsigned id) {
    const StringResource* entry = FindById(installed.strings, id);
    return entry == nullptr ? std::string() : std::string(entry->text);
}

}  // namespace platform
