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

// An insertion sort: stable like std::stable_sort, but without the buffer that one allocates on
// every call, which costs more than sorting the eight statements of a case.
void StatementArray::SortByWitness() {
    const auto byWitness = [](const Statement& a, const Statement& b) {
        return a.GetWitness().Id() < b.GetWitness().Id();
    };
    for (auto next = items.begin(); next != items.end(); ++next) {
        std::rotate(std::upper_bound(items.begin(), next, *next, byWitness), next, next + 1);
    }
}

}  // namespace schattwerk
