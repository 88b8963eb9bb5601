// The 15-bit pseudo-random generator that every random source of a thread shares.
#pragma once

#include <cstdint>

namespace schattwerk {

class SharedGenerator {
  public:
    // The state becomes `seed`; each raw value then advances it as s = s * 214013 + 2531011
    // (mod 2^32) and yields bits 16..30.
    static void Seed(std::uint32_t seed);
    static int NextRaw();  // 0..32767

    // Seeds the generator for a newly made random source. Every call in a thread gets a seed
    // that no earlier call got, so two sources never restart one sequence.
    static void Reseed();

    // Raw values never depend on the state's top bit, so only seeds up to this one differ in what
    // they draw.
    static constexpr std::uint32_t kMaxSeed = 0x7fffffffU;

    // Makes the seeds reproducible: the next Reseed seeds with `firstSeed` (0..kMaxSeed; a larger
    // one draws as its low 31 bits do), the later ones with seeds that follow from it.
    static void UseSeedsFrom(std::uint32_t firstSeed);
    // Seeds follow from the clock at the first Reseed of the thread (the default).
    static void UseClockSeeds();
};

}  // namespace schattwerk
