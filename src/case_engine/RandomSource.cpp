// Random sources over the shared generator.
#include "case_engine/RandomSource.h"

#include "case_engine/SharedGenerator.h"

namespace schattwerk {

RandomSource::RandomSource(int initialRange) : range(initialRange) {
    SharedGenerator::Reseed();
    SharedGenerator::NextRaw();
    Draw();
}

int RandomSource::Draw() {
    value = MapRaw(SharedGenerator::NextRaw(), range);
    return value;
}

int RandomSource::MapRaw(int raw, int range) {
    return static_cast<int>(static_cast<double>(raw) * range * (1.0 / RawMax) + 0.5);
}

}  // namespace schattwerk
