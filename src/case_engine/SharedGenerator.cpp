// The shared generator's state and its seed sequence.
#include "case_engine/SharedGenerator.h"

#include <chrono>

namespace schattwerk {
namespace {

// Two seeds give two sequences only if they differ in the low 31 bits. The seeds of a thread are
// Mix(base + k) for k = 0, 1, 2, ..., with Mix a bijection on 31 bits: all different, and
// unrelated to each other, whereas seeds with a fixed distance would give sequences that move in
// step.
constexpr std::uint32_t kLow31 = SharedGenerator::kMaxSeed;

std::uint32_t Mix(std::uint32_t h) {
    h &= kLow31;
    h ^= h >> 16;
    h = (h * 0x85ebca6bU) & kLow31;
    h ^= h >> 13;
    h = (h * 0xc2b2ae35U) & kLow31;
    h ^= h >> 16;
    return h;
}

std::uint32_t Unmix(std::uint32_t h) {
    h &= kLow31;
    h ^= h >> 16;
    h = (h * 0x7ed1b41dU) & kLow31;  // inverse of 0xc2b2ae35 modulo 2^32, so also modulo 2^31
    h ^= (h >> 13) ^ (h >> 26);
    h = (h * 0xa5cb9243U) & kLow31;  // inverse of 0x85ebca6b
    h ^= h >> 16;
    return h;
}

std::uint32_t ClockBase() {
    const auto ticks =
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    return static_cast<std::uint32_t>(ticks ^ (ticks >> 32));
}

struct GeneratorState {
    std::uint32_t state = 0;
    bool seedsChosen = false;
    std::uint32_t seedBase = 0;
    std::uint32_t seedsTaken = 0;
};

thread_local GeneratorState generator;

}  // namespace

void SharedGenerator::Seed(std::uint32_t seed) {
    generator.state = seed;
}

int SharedGenerator::NextRaw() {
    generator.state = generator.state * 214013U + 2531011U;
    return static_cast<int>((generator.state >> 16) & 0x7fffU);
}

void SharedGenerator::Reseed() {
    if (!generator.seedsChosen) {
        generator.seedBase = ClockBase();
        generator.seedsChosen = true;
    }
    Seed(Mix(generator.seedBase + generator.seedsTaken++));
}

void SharedGenerator::UseSeedsFrom(std::uint32_t firstSeed) {
    generator.seedBase = Unmix(firstSeed);
    generator.seedsTaken = 0;
    generator.seedsChosen = true;
}

void SharedGenerator::UseClockSeeds() {
    generator.seedsChosen = false;
    generator.seedsTaken = 0;
}

}  // namespace schattwerk
