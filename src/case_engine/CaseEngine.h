// The case engine: owns the catalogues and one case; draws a new random case or decodes one from
// its hint numbers.
#pragma once

#include <array>
#include <string_view>

#include "case_engine/ErrorReporter.h"
#include "case_engine/RandomSource.h"
#include "case_model/StatementArray.h"

namespace schattwerk {

// The hint numbers of one case, for witnesses 1..8 in this order.
using HintNumbers = std::array<int, WitnessCount>;

// Made fresh for one command: build the catalogues, generate or decode a case, read it, discard.
// A complete case holds eight statements of witnesses 1..8 in order; among witnesses 1..6 four
// tell one attribute each and two nothing; the liar, if any, is one of the four and tells the
// inverse; witness 7 tells the hiding place and witness 8 who lies.
class CaseEngine {
  public:
    // Making an engine reseeds the shared generator.
    explicit CaseEngine(ErrorReporter& owner);

    void BuildCatalogues();
    void BuildStatementCatalogue();
    void BuildWitnessCatalogue();
    void BuildSuspectCatalogue();

    // Need the catalogues.
    void Generate();
    // Rebuilds the case that `hintNumbers` stand for and returns true; false once it has reported
    // the one error of this attempt: the first number that is not its witness's (for the lowest
    // such witness), or else numbers that make no complete case. A refused attempt leaves
    // caseValid false and caseStatements with the statements found; the culprit and the liar's
    // and place statements keep what they held before it.
    bool Decode(const HintNumbers& hintNumbers);
    // Appends the statement of `witnessId` under `hintNumber` to the case, or reports that there
    // is none and returns false.
    bool LookUpHint(WitnessId witnessId, int hintNumber);
    // Sets the culprit to the suspect whose attributes the first six statements of the case
    // declare present, the liar's statement inverted.
    void ComputeCulprit();

    const StatementArray& Statements() const { return statements; }
    const WitnessArray& Witnesses() const { return witnesses; }
    const SuspectArray& Suspects() const { return suspects; }
    const StatementArray& CaseStatements() const { return caseStatements; }
    bool CataloguesBuilt() const { return cataloguesBuilt; }
    bool CaseValid() const { return caseValid; }
    const Suspect& Culprit() const { return culprit; }
    const Statement& LiarStatement() const { return liarStatement; }
    const Statement& PlaceStatement() const { return placeStatement; }
    // The solution's hiding place, as every front end names it.
    std::string_view HidingPlace() const { return placeStatement.GetClue().Identifier(); }

  private:
    void ChooseCulprit();
    void ChooseLiarStatement();
    void ChoosePlaceStatement();
    Statement ChooseStatementOf(WitnessId witnessId);
    void AssignStatements();
    void AddWitnessStatement(const Witness& witness, ClueCode clueCode);
    WitnessId Liar() const;
    bool IsCompleteCase() const;

    ErrorReporter& owner;
    StatementArray statements;
    WitnessArray witnesses;
    SuspectArray suspects;
    StatementArray caseStatements;
    bool cataloguesBuilt = false;
    bool caseValid = false;
    RandomSource random;
    Suspect culprit;
    Statement liarStatement;
    Statement placeStatement;
};

}  // namespace schattwerk
