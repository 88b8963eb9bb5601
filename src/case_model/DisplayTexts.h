// The display text of every listed witness, suspect and clue code; nothing for unlisted ids. The
// tables stand here, so that records and their texts can be made at compile time.
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

struct IdText {
    std::int32_t id;
    std::string_view text;
};

template <std::size_t N>
constexpr DenseTable Dense(const std::array<IdText, N>& table) {
    DenseTable dense{};
    for (const IdText& entry : table) {
        dense.at(static_cast<std::size_t>(entry.id)) = entry.text;
    }
    return dense;
}

inline constexpr std::array kWitnessNames{
    IdText{0, "niemand"},         IdText{1, "Professor Quillon"}, IdText{2, "Baronin v. Orvath"},
    IdText{3, "Fräulein Livana"}, IdText{4, "Oberst v. Kallmer"}, IdText{5, "Frau Sorrak"},
    IdText{6, "Reverend Ambrel"}, IdText{7, "Dr. Trellin"},       IdText{8, "Kommissar Morvek"},
};

inline constexpr std::array kSuspectNames{
    IdText{0, "Reverend Ambrel"},   IdText{1, "Fräulein Livana"},   IdText{2, "Prinz Zephan"},
    IdText{3, "Baronin v. Orvath"}, IdText{4, "Professor Quillon"}, IdText{5, "Fräulein Sabrit"},
    IdText{6, "Torvin Grebbel"},    IdText{7, "Madame Veyrine"},    IdText{8, "Oberst v. Kallmer"},
    IdText{9, "Frau Sorrak"},       IdText{11, "Frau Merrowin"},    IdText{12, "Lord Brandor"},
    IdText{IdInvalid, "INVALID"},
};

inline constexpr std::array kClueIdentifiers{
    IdText{0, "keineAhnung"},
    IdText{1, "Mann"},
    IdText{17, "Frau"},
    IdText{2, "keinHut"},
    IdText{18, "Hut"},
    IdText{4, "keineBrille"},
    IdText{20, "Brille"},
    IdText{8, "keinGrauesHaar"},
    IdText{24, "GrauesHaar"},
    IdText{32, "Bus"},
    IdText{33, "Parade"},
    IdText{34, "Stand"},
    IdText{35, "Kirmes"},
    IdText{64, "niemandLuegt"},
    IdText{65, "Prof_Quillon"},
    IdText{66, "Baronin_Orvath"},
    IdText{67, "Frl_Livana"},
    IdText{68, "Oberst_Kallmer"},
    IdText{69, "Fr_Sorrak"},
    IdText{70, "Reverend_Ambrel"},
    IdText{IdInvalid, "INVALID"},
};

inline constexpr DenseTable witnessNames = Dense(kWitnessNames);
inline constexpr DenseTable suspectNames = Dense(kSuspectNames);
inline constexpr DenseTable clueIdentifiers = Dense(kClueIdentifiers);

constexpr std::optional<std::string_view> Find(const DenseTable& table, std::int32_t id) {
    if (id < 0 || id >= static_cast<std::int32_t>(table.size())) {
        return std::nullopt;
    }
    const std::string_view text = table[static_cast<std::size_t>(id)];
    return text.data() == nullptr ? std::nullopt : std::optional(text);
}

}  // namespace display_texts

constexpr std::optional<std::string_view> WitnessName(WitnessId id) {
    return display_texts::Find(display_texts::witnessNames, id);
}

constexpr std::optional<std::string_view> SuspectName(SuspectId id) {
    return display_texts::Find(display_texts::suspectNames, id);
}

constexpr std::optional<std::string_view> ClueIdentifier(ClueCode code) {
    return display_texts::Find(display_texts::clueIdentifiers, code);
}

}  // namespace schattwerk
