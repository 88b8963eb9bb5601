// The statement catalogue and the case's statements: a statement array with its selections.
#pragma once

#include "case_model/RecordArray.h"
#include "case_model/Statement.h"

namespace schattwerk {

class StatementArray : public RecordArray<Statement> {
  public:
    int AddStatement(int hintNumber, WitnessId witnessId, StatementText text, ClueCode clueCode);

    // Each selection clears this array, then appends a copy of every statement of `source` that
    // matches, in the source's order. `source` must be another array.
    void SelectByHint(const StatementArray& source, int hintNumber);
    void SelectByWitness(const StatementArray& source, WitnessId witnessId);
    void SelectByClue(const StatementArray& source, ClueCode clueCode);

    // Ascending witness id; statements of one witness keep their order.
    void SortByWitness();

  private:
    template <class Matches>
    void SelectWhere(const StatementArray& source, Matches matches);
};

}  // namespace schattwerk
