// Every case that generating can make, enumerated from the catalogue rather than drawn, for the
// tests that must hold over all of them.
#pragma once

#include <algorithm>
#include <array>
#include <map>
#include <string_view>
#include <utility>
#include <vector>

#include "case_engine/CaseEngine.h"
#include "case_model/Catalogue.h"
#include "case_model/DisplayTexts.h"

namespace schattwerk {

struct PossibleCase {
    HintNumbers hintNumbers;
    SuspectId culprit;
    std::string_view place;
};

// Calls `visit` once for each distinct case: every culprit, every statement of witness 8, every
// order of witnesses 1..6 that a shuffle gives (the two silent ones in one order only, since both
// orders give the same numbers) and both statements of each silent witness. Witness 7's statement
// is independent of the rest, so its eight statements are taken in turn rather than multiplied in.
template <class Visit>
void ForEachPossibleCase(Visit visit) {
    std::map<std::pair<WitnessId, ClueCode>, std::vector<int>> hints;
    std::vector<CatalogueRow> placeRows;
    std::vector<CatalogueRow> liarRows;
    for (const CatalogueRow& row : CatalogueRows()) {
        hints[{row.witness, row.clue}].push_back(row.hintNumber);
        if (row.witness == WitnessPlace) {
            placeRows.push_back(row);
        } else if (row.witness == WitnessLiar) {
            liarRows.push_back(row);
        }
    }
    constexpr std::array<SuspectId, 4> attributeByPosition{AttrFemale, AttrHat, AttrGlasses,
                                                           AttrGreyHair};
    std::size_t placeTurn = 0;
    for (const SuspectId culprit : SuspectIds()) {
        for (const CatalogueRow& liarRow : liarRows) {
            const WitnessId liar = liarRow.clue & 15;
            std::array<WitnessId, 6> order{1, 2, 3, 4, 5, 6};
            do {
                if (order[4] > order[5] ||
                    (liar != WitnessNobody &&
                     std::find(order.begin(), order.begin() + 4, liar) == order.begin() + 4)) {
                    continue;
                }
                PossibleCase possible{{}, culprit, {}};
                for (std::size_t position = 0; position < 4; ++position) {
                    const SuspectId attribute = attributeByPosition[position];
                    ClueCode clue =
                        (culprit & attribute) != 0 ? attribute | ClueAttrPresent : attribute;
                    if (order[position] == liar) {
                        clue ^= ClueAttrPresent;
                    }
                    possible.hintNumbers[order[position] - 1] = hints[{order[position], clue}][0];
                }
                const CatalogueRow& placeRow = placeRows[placeTurn++ % placeRows.size()];
                possible.hintNumbers[WitnessPlace - 1] = placeRow.hintNumber;
                possible.hintNumbers[WitnessLiar - 1] = liarRow.hintNumber;
                possible.place = *ClueIdentifier(placeRow.clue);
                for (int silent : {0, 1, 2, 3}) {
                    possible.hintNumbers[order[4] - 1] = hints[{order[4], ClueNone}][silent & 1];
                    possible.hintNumbers[order[5] - 1] = hints[{order[5], ClueNone}][silent >> 1];
                    visit(possible);
                }
            } while (std::next_permutation(order.begin(), order.end()));
        }
    }
}

}  // namespace schattwerk
