// What decoding any eight numbers must give, worked out from the catalogue and the enumeration of
// every possible case rather than by the engine: for the decoder's sweep and its fuzz target.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "case_engine/CaseEngine.h"
#include "case_engine/EngineMessages.h"
#include "case_model/Catalogue.h"
#include "support/PossibleCases.h"

namespace schattwerk {

struct DecodeVerdict {
    bool decoded = false;
    SuspectId culprit = IdInvalid;  // of a decoded case
    std::string_view place;         // of a decoded case
    CaseError error;                // of a refused one
};

class DecodeOracle {
  public:
    DecodeOracle() {
        ForEachPossibleCase([this](const PossibleCase& possible) {
            culprits.emplace(WithoutPlace(possible.hintNumbers), possible.culprit);
        });
    }

    DecodeVerdict Expected(const HintNumbers& hints) const {
        DecodeVerdict verdict;
        for (WitnessId witness = 1; witness <= WitnessCount; ++witness) {
            const int hint = hints[static_cast<std::size_t>(witness - 1)];
            if (!RowOf(witness, hint)) {
                verdict.error = {MessageInvalidHint, hint, std::string(*WitnessName(witness))};
                return verdict;
            }
        }
        // Witness 7's statement is free: any of its numbers completes any possible rest.
        const auto found = culprits.find(WithoutPlace(hints));
        if (found == culprits.end()) {
            verdict.error = {MessageUnsoundCase, 0, {}};
            return verdict;
        }
        verdict.decoded = true;
        verdict.culprit = found->second;
        verdict.place = *ClueIdentifier(RowOf(WitnessPlace, hints[WitnessPlace - 1])->clue);
        return verdict;
    }

    static const CatalogueRow* RowOf(WitnessId witness, int hint) {
        for (const CatalogueRow& row : CatalogueRows()) {
            if (row.witness == witness && row.hintNumber == hint) {
                return &row;
            }
        }
        return nullptr;
    }

  private:
    static HintNumbers WithoutPlace(HintNumbers hints) {
        hints[WitnessPlace - 1] = 0;
        return hints;
    }

    std::map<HintNumbers, SuspectId> culprits;
};

}  // namespace schattwerk
