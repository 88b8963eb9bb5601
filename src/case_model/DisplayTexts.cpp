// Tables of the display texts of the three id spaces.
#include "case_model/DisplayTexts.h"

namespace schattwerk {
namespace {

struct IdText {
    std::int32_t id;
    std::string_view text;
};

constexpr std::array kWitnessNames{
    IdText{0, "niemand"},         IdText{1, "Professor Quillon"}, IdText{2, "Baronin v. Orvath"},
    IdText{3, "Fräulein Livana"}, IdText{4, "Oberst v. Kallmer"}, IdText{5, "Frau Sorrak"},
    IdText{6, "Reverend Ambrel"}, IdText{7, "Dr. Trellin"},       IdText{8, "Kommissar Morvek"},
};

constexpr std::array kSuspectNames{
    IdText{0, "Reverend Ambrel"},   IdText{1, "Fräulein Livana"},   IdText{2, "Prinz Zephan"},
    IdText{3, "Baronin v. Orvath"}, IdText{4, "Professor Quillon"}, IdText{5, "Fräulein Sabrit"},
    IdText{6, "Torvin Grebbel"},    IdText{7, "Madame Veyrine"},    IdText{8, "Oberst v. Kallmer"},
    IdText{9, "Frau Sorrak"},       IdText{11, "Frau Merrowin"},    IdText{12, "Lord Brandor"},
    IdText{IdInvalid, "INVALID"},
};

constexpr std::array kClueIdentifiers{
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

template <std::size_t N>
constexpr display_texts::DenseTable Dense(const std::array<IdText, N>& table) {
    display_texts::DenseTable dense{};
    for (const IdText& entry : table) {
        dense.at(static_cast<std::size_t>(entry.id)) = entry.text;
    }
    return dense;
}

}  // namespace

namespace display_texts {

constexpr DenseTable witnessNames = Dense(kWitnessNames);
constexpr DenseTable suspectNames = Dense(kSuspectNames);
constexpr DenseTable clueIdentifiers = Dense(kClueIdentifiers);

}  // namespace display_texts
}  // namespace schattwerk
