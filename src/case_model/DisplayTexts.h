// The display text of every listed witness, suspect and clue code; nothing for unlisted ids.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "case_model/Ids.h"

namespace schattwerk {
namespace display_texts {

// Texts indexed by id for the ids 0..255, which hold every listed one; an empty view (no data)
// marks an id that its table does not list. Looked up inline: every record made does it.
using DenseTable = std::array<std::string_view, 256>;

extern const DenseTable witnessNames;
extern const DenseTable suspectNames;
extern const DenseTable clueIdentifiers;

inline std::optional<std::string_view> Find(const DenseTable& table, std::int32_t id) {
    if (id < 0 || id >= static_cast<std::int32_t>(table.size())) {
        return std::nullopt;
    }
    const std::string_view text = table[static_cast<std::size_t>(id)];
    return text.data() == nullptr ? std::nullopt : std::optional(text);
}

}  // namespace display_texts

inline std::optional<std::string_view> WitnessName(WitnessId id) {
    return display_texts::Find(display_texts::witnessNames, id);
}

inline std::optional<std::string_view> SuspectName(SuspectId id) {
    return display_texts::Find(display_texts::suspectNames, id);
}

inline std::optional<std::string_view> ClueIdentifier(ClueCode code) {
    return display_texts::Find(display_texts::clueIdentifiers, code);
}

}  // namespace schattwerk
