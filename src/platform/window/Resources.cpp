// Looking up the installed resources by id.
#include "platform/window/Resources.h"

#include <algorithm>

#include "platform/window/Backend.h"

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

std::optional<AcceleratorTable> Resources::Accelerators(int id) {
    if (std::optional<AcceleratorTable> fromFile = backend::ProgramFileAccelerators(id)) {
        return fromFile;
    }
    const AcceleratorTable* table = FindById(installed.accelerators, id);
    return table == nullptr ? std::nullopt : std::optional(*table);
}

const IconResource* Resources::Icon(int id) {
    return FindById(installed.icons, id);
}

std::string Resources::String(unsigned id) {
    if (std::optional<std::string> fromFile = backend::ProgramFileString(id)) {
        return *fromFile;
    }
    const StringResource* entry = FindById(installed.strings, id);
    return entry == nullptr ? std::string() : std::string(entry->text);
}

}  // namespace platform
