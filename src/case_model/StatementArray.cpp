// Statement arrays: appending, selecting and sorting.
#include "case_model/StatementArray.h"

#include <algorithm>

namespace schattwerk {

int StatementArray::AddStatement(int hintNumber, WitnessId witnessId, StatementText text,
                                 ClueCode clueCode) {
    return Add(Statement(hintNumber, witnessId, text, clueCode));
}

template <class Matches>
void StatementArray::SelectWhere(const StatementArray& source, Matches matches) {
    Clear();
    items.reserve(
        static_cast<std::size_t>(std::count_if(source.items.begin(), source.items.end(), matches)));
    std::copy_if(source.items.begin(), source.items.end(), std::back_inserter(items), matches);
}

void StatementArray::SelectByHint(const StatementArray& source, int hintNumber) {
    SelectWhere(source, [hintNumber](const Statement& s) { return s.HintNumber() == hintNumber; });
}

void StatementArray::SelectByWitness(const StatementArray& source, WitnessId witnessId) {
    SelectWhere(source,
                [witnessId](const Statement& s) { return s.GetWitness().Id() == witnessId; });
}

void StatementArray::SelectByClue(const StatementArray& source, ClueCode clueCode) {
    SelectWhere(source, [clueCode](const Statement& s) { return s.GetClue().Code() == clueCode; });
}

void StatementArray::SortByWitness() {
    std::stable_sort(items.begin(), items.end(), [](const Statement& a, const Statement& b) {
        return a.GetWitness().Id() < b.GetWitness().Id();
    });
}

}  // namespace schattwerk
