// Building the catalogues, generating a case and decoding one.
#include "case_engine/CaseEngine.h"

#include <algorithm>
#include <array>
#include <memory>
#include <span>
#include <string>

#include "case_engine/EngineMessages.h"
#include "case_engine/WitnessShuffle.h"
#include "case_model/Catalogue.h"

namespace schattwerk {
namespace {

// The attribute that each position of the shuffled witness list tells; the last two tell nothing.
constexpr std::array<SuspectId, 6> kAttributeByPosition{AttrFemale,   AttrHat, AttrGlasses,
                                                        AttrGreyHair, 0,       0};

// The liar may stand at these first positions, which all tell an attribute.
constexpr int kLiarPositions = 4;

// A case lists witnesses 1..8 in order: the attribute witnesses first, then place and liar.
constexpr int kAttributeWitnessCount = WitnessPlace - 1;
constexpr int kPlaceIndex = WitnessPlace - 1;
constexpr int kLiarIndex = WitnessLiar - 1;

// The truthful clue about `attribute` for `culprit`: the bit, with the presence flag if it has it.
ClueCode TruthfulClue(SuspectId attribute, SuspectId culprit) {
    return (culprit & attribute) != 0 ? attribute | ClueAttrPresent : attribute;
}

// The witness whom a statement of witness 8 names as the liar; WitnessNobody when nobody lies.
WitnessId LiarNamedBy(const Statement& liarStatement) {
    return liarStatement.GetClue().Code() & 15;
}

// The statements of witnesses 1..6, or as many of them as the case holds so far.
std::span<const Statement> AttributeStatements(const StatementArray& caseStatements) {
    const int count = std::min(caseStatements.Count(), kAttributeWitnessCount);
    return {std::to_address(caseStatements.begin()), static_cast<std::size_t>(count)};
}

// The attributes that the statements of witnesses 1..6 declare present once the liar's is
// inverted; a denial, a clue 0 and the liar's clue 0 (inverted: the bare flag) add none.
SuspectId DeclaredAttributes(const StatementArray& caseStatements, WitnessId liar) {
    SuspectId attributes = 0;
    for (const Statement& statement : AttributeStatements(caseStatements)) {
        ClueCode code = statement.GetClue().Code();
        if (statement.GetWitness().Id() == liar) {
            code ^= ClueAttrPresent;
        }
        if ((code & ClueAttrPresent) != 0) {
            attributes |= code & AttrMask;
        }
    }
    return attributes;
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

// The records are made at compile time; every engine copies them, which is what adding them one
// by one gives, at a fraction of the cost.
void CaseEngine::BuildStatementCatalogue() {
    statements.Assign(CatalogueStatements());
}

void CaseEngine::BuildWitnessCatalogue() {
    witnesses.Assign(AttributeWitnesses());
}

void CaseEngine::BuildSuspectCatalogue() {
    suspects.Assign(AllSuspects());
}

void CaseEngine::Generate() {
    caseValid = false;
    caseStatements.Clear();
    caseStatements.Reserve(WitnessCount);
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
    return LiarNamedBy(liarStatement);
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

bool CaseEngine::Decode(const HintNumbers& hintNumbers) {
    caseValid = false;
    caseStatements.Clear();
    for (WitnessId witnessId = 1; witnessId <= WitnessCount; ++witnessId) {
        if (!LookUpHint(witnessId, hintNumbers.at(static_cast<std::size_t>(witnessId - 1)))) {
            return false;
        }
    }
    // Every number may be its witness's and the eight still make no case: contradictions, an
    // attribute told twice or never, a liar who tells nothing, or attributes that no suspect has.
    if (!IsCompleteCase()) {
        owner.ReportError(
            CaseError{.messageId = MessageUnsoundCase, .hintNumber = 0, .witnessName = {}});
        return false;
    }
    liarStatement = caseStatements.At(kLiarIndex);
    ComputeCulprit();
    placeStatement = caseStatements.At(kPlaceIndex);
    caseValid = true;
    return true;
}

bool CaseEngine::LookUpHint(WitnessId witnessId, int hintNumber) {
    StatementArray ofWitness;
    ofWitness.SelectByWitness(statements, witnessId);
    StatementArray selected;
    selected.SelectByHint(ofWitness, hintNumber);
    if (selected.Count() == 0) {
        owner.ReportError(CaseError{.messageId = MessageInvalidHint,
                                    .hintNumber = hintNumber,
                                    .witnessName = std::string(Witness(witnessId).Name())});
        return false;
    }
    caseStatements.Add(selected.At(0));
    return true;
}

void CaseEngine::ComputeCulprit() {
    culprit.SetId(DeclaredAttributes(caseStatements, Liar()));
}

// The invariants of a case that Generate makes, checked on the eight statements found.
bool CaseEngine::IsCompleteCase() const {
    const WitnessId liar = LiarNamedBy(caseStatements.At(kLiarIndex));
    bool liarTellsAnAttribute = liar == WitnessNobody;
    SuspectId told = 0;
    for (const Statement& statement : AttributeStatements(caseStatements)) {
        const ClueCode code = statement.GetClue().Code();
        if (code == ClueNone) {
            continue;
        }
        const SuspectId attribute = code & AttrMask;
        if ((told & attribute) != 0) {
            return false;
        }
        told |= attribute;
        liarTellsAnAttribute = liarTellsAnAttribute || statement.GetWitness().Id() == liar;
    }
    const SuspectId named = DeclaredAttributes(caseStatements, liar);
    return told == AttrMask && liarTellsAnAttribute &&
           std::any_of(suspects.begin(), suspects.end(),
                       [named](const Suspect& s) { return s.Id() == named; });
}

}  // namespace schattwerk
