// Building the catalogues and generating a case.
#include "case_engine/CaseEngine.h"

#include <array>

#include "case_engine/WitnessShuffle.h"
#include "case_model/Catalogue.h"

namespace schattwerk {
namespace {

// The attribute that each position of the shuffled witness list tells; the last two tell nothing.
constexpr std::array<SuspectId, 6> kAttributeByPosition{AttrFemale,   AttrHat, AttrGlasses,
                                                        AttrGreyHair, 0,       0};

// The liar may stand at these first positions, which all tell an attribute.
constexpr int kLiarPositions = 4;

// The truthful clue about `attribute` for `culprit`: the bit, with the presence flag if it has it.
ClueCode TruthfulClue(SuspectId attribute, SuspectId culprit) {
    return (culprit & attribute) != 0 ? attribute | ClueAttrPresent : attribute;
}

}  // namespace

CaseEngine::CaseEngine(ErrorReporter& owner) : owner(owner), random(RandomSource::RawMax) {
}

void CaseEngine::BuildCatalogues() {
    BuildStatementCatalogue();
    BuildWitnessCatalogue();
    BuildSuspectCatalogue();
    cataloguesBuilt = true;
}

void CaseEngine::BuildStatementCatalogue() {
    // The rows become statements once per process; every engine then copies the result, which
    // is what adding the rows one by one gives, at a fraction of the cost.
    static const StatementArray catalogue = [] {
        StatementArray rows;
        rows.Reserve(static_cast<int>(CatalogueRows().size()));
        for (const CatalogueRow& row : CatalogueRows()) {
            rows.AddStatement(row.hintNumber, row.witness, row.text, row.clue);
        }
        return rows;
    }();
    statements = catalogue;
}

void CaseEngine::BuildWitnessCatalogue() {
    witnesses.Clear();
    for (WitnessId id : AttributeWitnessIds()) {
        witnesses.Add(id);
    }
}

void CaseEngine::BuildSuspectCatalogue() {
    suspects.Clear();
    for (SuspectId id : SuspectIds()) {
        suspects.Add(id);
    }
}

void CaseEngine::Generate() {
    caseValid = false;
    caseStatements.Clear();
    ChooseCulprit();
    ChooseLiarStatement();
    ChoosePlaceStatement();
    AssignStatements();
    caseStatements.Add(placeStatement);
    caseStatements.Add(liarStatement);
    caseValid = true;
}

void CaseEngine::ChooseCulprit() {
    random.SetRange(suspects.Count() - 1);
    culprit = suspects.At(random.Draw());
}

void CaseEngine::ChooseLiarStatement() {
    liarStatement = ChooseStatementOf(WitnessLiar);
}

void CaseEngine::ChoosePlaceStatement() {
    placeStatement = ChooseStatementOf(WitnessPlace);
}

Statement CaseEngine::ChooseStatementOf(WitnessId witnessId) {
    StatementArray selected;
    selected.SelectByWitness(statements, witnessId);
    random.SetRange(selected.Count() - 1);
    return selected.At(random.Draw());
}

WitnessId CaseEngine::Liar() const {
    return liarStatement.GetClue().Code() & 15;
}

void CaseEngine::AssignStatements() {
    if (liarStatement.GetClue().Code() == ClueNobodyLies) {
        Shuffle(witnesses);
    } else {
        ShuffleLiarAmongFirst(witnesses, Liar(), kLiarPositions);
    }
    for (int position = 0; position < witnesses.Count(); ++position) {
        const SuspectId attribute = kAttributeByPosition.at(static_cast<std::size_t>(position));
        AddWitnessStatement(witnesses.At(position), TruthfulClue(attribute, culprit.Id()));
    }
    caseStatements.SortByWitness();
}

void CaseEngine::AddWitnessStatement(const Witness& witness, ClueCode clueCode) {
    if (witness.Id() == Liar()) {
        clueCode ^= ClueAttrPresent;
    }
    StatementArray ofWitness;
    ofWitness.SelectByWitness(statements, witness.Id());
    StatementArray selected;
    selected.SelectByClue(ofWitness, clueCode);
    random.SetRange(selected.Count() - 1);
    caseStatements.Add(selected.At(random.Draw()));
}

}  // namespace schattwerk
