// The case engine: owns the catalogues and one case, and draws a new random case.
#pragma once

#include "case_engine/ErrorReporter.h"
#include "case_engine/RandomSource.h"
#include "case_model/StatementArray.h"

namespace schattwerk {

// Made fresh for one command: build the catalogues, generate a case, read it, discard.
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

    // Needs the catalogues.
    void Generate();

    const StatementArray& Statements() const { return statements; }
    const WitnessArray& Witnesses() const { return witnesses; }
    const SuspectArray& Suspects() const { return suspects; }
    const StatementArray& CaseStatements() const { return caseStatements; }
    bool CataloguesBuilt() const { return cataloguesBuilt; }
    bool CaseValid() const { return caseValid; }
    const Suspect& Culprit() const { return culprit; }
    const Statement& LiarStatement() const { return liarStatement; }
    const Statement& PlaceStatement() const { return placeStatement; }

  private:
    void ChooseCulprit();
    void ChooseLiarStatement();
    void ChoosePlaceStatement();
    Statement ChooseStatementOf(WitnessId witnessId);
    void AssignStatements();
    void AddWitnessStatement(const Witness& witness, ClueCode clueCode);
    WitnessId Liar() const;

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
