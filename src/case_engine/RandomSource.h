// Draws of a whole number from 0 to an upper bound, from the shared generator.
#pragma once

namespace schattwerk {

class RandomSource {
  public:
    static constexpr int RawMax = 32767;

    // Reseeds the shared generator, discards one raw value, then draws once.
    explicit RandomSource(int initialRange);

    void SetRange(int newRange) { range = newRange; }
    int Draw();
    int Value() const { return value; }

    // The draw for raw value `raw` (0..RawMax): the integer nearest to raw * range / RawMax. The
    // two end values therefore come up about half as often as each inner one.
    static int MapRaw(int raw, int range);

  private:
    int range;
    int value = 0;
};

}  // namespace schattwerk
