// The draw mapping over every raw value, and the seeding of the shared generator.
#include <gtest/gtest.h>

#include <array>
#include <set>

#include "case_engine/RandomSource.h"
#include "case_engine/SharedGenerator.h"

namespace schattwerk {
namespace {

std::array<int, 3> NextThreeRaws() {
    return {SharedGenerator::NextRaw(), SharedGenerator::NextRaw(), SharedGenerator::NextRaw()};
}

class RandomSourceTest : public ::testing::Test {
  protected:
    void TearDown() override { SharedGenerator::UseClockSeeds(); }
};

TEST_F(RandomSourceTest, MappingIsTheNearestIntegerForEveryRawValue) {
    for (int range : {0, 1, 2, 3, 5, 7, 11, 12, 100, 32767}) {
        for (int raw = 0; raw <= RandomSource::RawMax; ++raw) {
            const long long nearest = (2LL * raw * range + 32767) / 65534;
            ASSERT_EQ(RandomSource::MapRaw(raw, range), nearest) << raw << " " << range;
        }
    }
}

TEST_F(RandomSourceTest, MappingEdges) {
    EXPECT_EQ(RandomSource::MapRaw(32767, 0), 0);
    EXPECT_EQ(RandomSource::MapRaw(16383, 1), 0);
    EXPECT_EQ(RandomSource::MapRaw(16384, 1), 1);
    EXPECT_EQ(RandomSource::MapRaw(1489, 11), 0);
    EXPECT_EQ(RandomSource::MapRaw(1490, 11), 1);
    EXPECT_EQ(RandomSource::MapRaw(31277, 11), 10);
    EXPECT_EQ(RandomSource::MapRaw(31278, 11), 11);
}

TEST_F(RandomSourceTest, EndValuesCoverHalfAsManyRawValues) {
    std::array<int, 12> twelve{};
    std::array<int, 8> eight{};
    for (int raw = 0; raw <= RandomSource::RawMax; ++raw) {
        ++twelve.at(static_cast<std::size_t>(RandomSource::MapRaw(raw, 11)));
        ++eight.at(static_cast<std::size_t>(RandomSource::MapRaw(raw, 7)));
    }
    EXPECT_EQ(twelve,
              (std::array{1490, 2979, 2979, 2978, 2979, 2979, 2979, 2979, 2978, 2979, 2979, 1490}));
    EXPECT_EQ(eight, (std::array{2341, 4681, 4681, 4681, 4681, 4681, 4681, 2341}));
}

TEST_F(RandomSourceTest, SeedZeroGivesTheKnownSequence) {
    SharedGenerator::Seed(0);
    EXPECT_EQ(SharedGenerator::NextRaw(), 38);
    EXPECT_EQ(SharedGenerator::NextRaw(), 7719);

    SharedGenerator::UseSeedsFrom(0);
    const RandomSource source(RandomSource::RawMax);
    EXPECT_EQ(source.Value(), 7719) << "the first raw value after seeding is discarded";
}

TEST_F(RandomSourceTest, AFixedFirstSeedIsUsedAsItIs) {
    SharedGenerator::Seed(123456789);
    SharedGenerator::NextRaw();
    const int expected = SharedGenerator::NextRaw();
    SharedGenerator::UseSeedsFrom(123456789);
    EXPECT_EQ(RandomSource(RandomSource::RawMax).Value(), expected);
}

TEST_F(RandomSourceTest, FixedSeedsRepeatTheWholeSeriesOfSources) {
    auto series = [] {
        SharedGenerator::UseSeedsFrom(77);
        std::vector<int> values;
        for (int i = 0; i < 5; ++i) {
            RandomSource source(RandomSource::RawMax);
            values.push_back(source.Value());
            values.push_back(source.Draw());
        }
        return values;
    };
    EXPECT_EQ(series(), series());
}

// Each source used to reseed from the clock in whole seconds, so sources made within one second
// restarted one sequence and two "new" cases came out the same.
TEST_F(RandomSourceTest, SourcesMadeBackToBackDrawFromDifferentSequences) {
    for (bool fixed : {false, true}) {
        if (fixed) {
            SharedGenerator::UseSeedsFrom(0);
        } else {
            SharedGenerator::UseClockSeeds();
        }
        std::set<std::array<int, 3>> starts;
        constexpr int kSources = 100000;
        for (int i = 0; i < kSources; ++i) {
            SharedGenerator::Reseed();
            starts.insert(NextThreeRaws());
        }
        EXPECT_EQ(starts.size(), static_cast<std::size_t>(kSources)) << "fixed seeds: " << fixed;
    }
}

}  // namespace
}  // namespace schattwerk
