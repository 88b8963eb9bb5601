// Reordering the witness list.
#include "case_engine/WitnessShuffle.h"

#include <algorithm>
#include <vector>

#include "case_engine/RandomSource.h"

namespace schattwerk {
namespace {

using Witnesses = std::vector<Witness>;

// Moves one randomly drawn entry of `pool` to the end of `result` and returns it.
Witness DrawInto(RandomSource& random, Witnesses& pool, Witnesses& result) {
    random.SetRange(static_cast<int>(pool.size()) - 1);
    const auto picked = pool.begin() + random.Draw();
    const Witness witness = *picked;
    result.push_back(witness);
    pool.erase(picked);
    return witness;
}

void DrawAllInto(RandomSource& random, Witnesses& pool, Witnesses& result) {
    while (!pool.empty()) {
        DrawInto(random, pool, result);
    }
}

Witnesses Entries(const WitnessArray& witnesses) {
    return {witnesses.begin(), witnesses.end()};
}

}  // namespace

void Shuffle(WitnessArray& witnesses) {
    RandomSource random(RandomSource::RawMax);
    Witnesses pool = Entries(witnesses);
    Witnesses result;
    DrawAllInto(random, pool, result);
    witnesses.Assign(std::move(result));
}

void ShuffleLiarAmongFirst(WitnessArray& witnesses, WitnessId liar, int count) {
    if (std::none_of(witnesses.begin(), witnesses.end(),
                     [liar](const Witness& w) { return w.Id() == liar; })) {
        Shuffle(witnesses);
        return;
    }
    RandomSource random(RandomSource::RawMax);
    const Witnesses original = Entries(witnesses);
    Witnesses pool = original;
    Witnesses result;
    while (DrawInto(random, pool, result).Id() != liar) {
        if (static_cast<int>(result.size()) == count) {
            pool = original;
            result.clear();
        }
    }
    DrawAllInto(random, pool, result);
    witnesses.Assign(std::move(result));
}

}  // namespace schattwerk
