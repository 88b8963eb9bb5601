// The two reorderings of the witness list that generating a case applies.
#pragma once

#include "case_model/RecordArray.h"

namespace schattwerk {

// A random order; draws from a random source of its own.
void Shuffle(WitnessArray& witnesses);

// A random order with witness `liar` among the first `count` entries: the draw starts over
// whenever `count` entries are drawn without the liar. An id that no entry has cannot be placed,
// so the order is then that of Shuffle.
void ShuffleLiarAmongFirst(WitnessArray& witnesses, WitnessId liar, int count);

}  // namespace schattwerk
