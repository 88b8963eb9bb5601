// The game's printed statement catalogue and the fixed witness and suspect lists, as rows and ids
// and as the records that an engine copies, which are made at compile time.
#pragma once

#include <span>

#include "case_model/Ids.h"
#include "case_model/Statement.h"
#include "case_model/StatementText.h"
#include "case_model/Suspect.h"
#include "case_model/Witness.h"

namespace schattwerk {

struct CatalogueRow {
    int hintNumber;
    WitnessId witness;
    StatementText text;
    ClueCode clue;
};

// All 80 statements in ascending hint-number order (11 to 95; 50, 83, 85, 90 and 94 are unused).
std::span<const CatalogueRow> CatalogueRows();

// The witnesses who give attribute clues and may lie: 1 to 6.
std::span<const WitnessId> AttributeWitnessIds();

// The twelve suspects in ascending id order: 0 to 9, 11 and 12.
std::span<const SuspectId> SuspectIds();

// The same as records: a statement for each row, in the rows' order, and the witnesses and
// suspects of those ids.
std::span<const Statement> CatalogueStatements();
std::span<const Witness> AttributeWitnesses();
std::span<const Suspect> AllSuspects();

}  // namespace schattwerk
