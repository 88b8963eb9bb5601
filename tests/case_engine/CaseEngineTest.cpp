// Generated cases: the invariants of a complete case over many seeds, the odds of the draws,
// and the worked example.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "case_engine/CaseEngine.h"
#include "case_engine/RandomSource.h"
#include "case_engine/SharedGenerator.h"

namespace schattwerk {
namespace {

using ::testing::AnyOf;
using ::testing::ElementsAre;

class NoErrors : public ErrorReporter {
  public:
    void ReportError(const CaseError& error) override {
        ADD_FAILURE() << "unexpected error " << error.messageId;
    }
};

class CaseEngineTest : public ::testing::Test {
  protected:
    void TearDown() override { SharedGenerator::UseClockSeeds(); }

    // A fresh engine with a case generated from `seed`.
    std::unique_ptr<CaseEngine> Generated(std::uint32_t seed) {
        SharedGenerator::UseSeedsFrom(seed);
        auto engine = std::make_unique<CaseEngine>(reporter);
        engine->BuildCatalogues();
        engine->Generate();
        return engine;
    }

    NoErrors reporter;
};

std::vector<int> HintsOf(const CaseEngine& engine) {
    std::vector<int> hints;
    for (const Statement& s : engine.CaseStatements()) {
        hints.push_back(s.HintNumber());
    }
    return hints;
}

// Checks every invariant of a complete case, the culprit among them.
void ExpectCompleteCase(const CaseEngine& engine) {
    ASSERT_TRUE(engine.CaseValid());
    const StatementArray& statements = engine.CaseStatements();
    ASSERT_EQ(statements.Count(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(statements.At(i).GetWitness().Id(), i + 1);
    }
    const ClueCode place = statements.At(6).GetClue().Code();
    const ClueCode liarCode = statements.At(7).GetClue().Code();
    EXPECT_EQ(statements.At(6).HintNumber(), engine.PlaceStatement().HintNumber());
    EXPECT_EQ(statements.At(7).HintNumber(), engine.LiarStatement().HintNumber());
    EXPECT_TRUE(place >= CluePlaceBase && place < CluePlaceBase + 4) << place;
    EXPECT_TRUE(liarCode >= ClueNobodyLies && liarCode <= ClueLiarBase + 6) << liarCode;

    const WitnessId liar = liarCode & 15;
    const SuspectId culprit = engine.Culprit().Id();
    int silent = 0;
    SuspectId told = 0;
    SuspectId named = 0;
    for (int i = 0; i < 6; ++i) {
        const Statement s = statements.At(i);
        const ClueCode code = s.GetClue().Code();
        if (code == ClueNone) {
            ++silent;
            EXPECT_NE(s.GetWitness().Id(), liar) << "the liar always tells an attribute";
            continue;
        }
        const SuspectId attribute = code & AttrMask;
        EXPECT_EQ(told & attribute, 0) << "attribute told twice";
        told |= attribute;
        const bool saysPresent = (code & ClueAttrPresent) != 0;
        const bool lies = s.GetWitness().Id() == liar;
        EXPECT_EQ(saysPresent != lies, (culprit & attribute) != 0) << "witness " << i + 1;
        if (saysPresent != lies) {
            named |= attribute;
        }
    }
    EXPECT_EQ(silent, 2);
    EXPECT_EQ(told, AttrMask);
    EXPECT_EQ(named, culprit);
}

TEST_F(CaseEngineTest, CataloguesBuildOnceAndAgainWithoutDuplicates) {
    CaseEngine engine(reporter);
    EXPECT_FALSE(engine.CataloguesBuilt());
    EXPECT_FALSE(engine.CaseValid());
    EXPECT_EQ(engine.Culprit().Name(), "INVALID");
    for (int round = 0; round < 2; ++round) {
        engine.BuildCatalogues();
        EXPECT_EQ(engine.Statements().Count(), 80);
        EXPECT_EQ(engine.Witnesses().Count(), 6);
        EXPECT_EQ(engine.Suspects().Count(), 12);
    }
    EXPECT_TRUE(engine.CataloguesBuilt());
    EXPECT_EQ(engine.Suspects().At(10).Name(), "Frau Merrowin");
}

TEST_F(CaseEngineTest, EveryGeneratedCaseIsComplete) {
    std::map<WitnessId, int> liars;
    std::map<SuspectId, int> culprits;
    for (std::uint32_t seed = 0; seed < 20000; ++seed) {
        const auto engine = Generated(seed * 2654435761U);
        ExpectCompleteCase(*engine);
        ++liars[engine->LiarStatement().GetClue().Code() & 15];
        ++culprits[engine->Culprit().Id()];
        if (HasFailure()) {
            FAIL() << "seed " << seed;
        }
    }
    EXPECT_EQ(liars.size(), 7U) << "nobody and each of the six witnesses lie at some time";
    EXPECT_EQ(culprits.size(), 12U);
}

TEST_F(CaseEngineTest, TheSameSeedMakesTheSameCase) {
    EXPECT_EQ(HintsOf(*Generated(4711)), HintsOf(*Generated(4711)));
}

TEST_F(CaseEngineTest, CasesMadeOneAfterAnotherDiffer) {
    SharedGenerator::UseClockSeeds();
    std::set<std::vector<int>> cases;
    for (int i = 0; i < 50; ++i) {
        CaseEngine engine(reporter);
        engine.BuildCatalogues();
        engine.Generate();
        cases.insert(HintsOf(engine));
    }
    EXPECT_GT(cases.size(), 45U) << "clock seeds in whole seconds made them all equal";
}

// Over all 32768 raw values: which suspect, liar statement and hiding place a draw picks.
TEST_F(CaseEngineTest, DrawOddsOverEveryRawValue) {
    CaseEngine engine(reporter);
    engine.BuildCatalogues();
    StatementArray liarRows;
    liarRows.SelectByWitness(engine.Statements(), WitnessLiar);
    StatementArray placeRows;
    placeRows.SelectByWitness(engine.Statements(), WitnessPlace);

    std::map<SuspectId, int> suspects;
    int nobodyLies = 0;
    std::map<std::string_view, int> places;
    for (int raw = 0; raw <= RandomSource::RawMax; ++raw) {
        ++suspects[engine.Suspects().At(RandomSource::MapRaw(raw, 11)).Id()];
        nobodyLies += liarRows.At(RandomSource::MapRaw(raw, 11)).GetClue().Code() == ClueNobodyLies;
        ++places[placeRows.At(RandomSource::MapRaw(raw, 7)).GetClue().Identifier()];
    }
    EXPECT_EQ(suspects[0], 1490);
    EXPECT_EQ(suspects[12], 1490);
    EXPECT_EQ(suspects[3], 2978);
    EXPECT_EQ(suspects[8], 2978);
    for (SuspectId id : {1, 2, 4, 5, 6, 7, 9, 11}) {
        EXPECT_EQ(suspects[id], 2979) << id;
    }
    EXPECT_EQ(nobodyLies, 16384);
    EXPECT_EQ(places["Bus"], 7022);
    EXPECT_EQ(places["Parade"], 9362);
    EXPECT_EQ(places["Stand"], 9362);
    EXPECT_EQ(places["Kirmes"], 7022);
}

// Culprit 9 (female, grey hair), nobody lies, witnesses shuffled into 2, 5, 1, 6, 3, 4.
TEST_F(CaseEngineTest, WorkedExample) {
    for (std::uint32_t seed = 0; seed < 5'000'000; ++seed) {
        const auto engine = Generated(seed);
        std::vector<WitnessId> order;
        for (const Witness& w : engine->Witnesses()) {
            order.push_back(w.Id());
        }
        if (engine->Culprit().Id() != 9 ||
            engine->LiarStatement().GetClue().Code() != ClueNobodyLies ||
            order != std::vector<WitnessId>{2, 5, 1, 6, 3, 4}) {
            continue;
        }
        const std::vector<int> hints = HintsOf(*engine);
        EXPECT_EQ(hints[0], 74);
        EXPECT_EQ(hints[1], 76);
        EXPECT_THAT(hints[2], AnyOf(55, 64));
        EXPECT_THAT(hints[3], AnyOf(22, 93));
        EXPECT_EQ(hints[4], 86);
        EXPECT_EQ(hints[5], 60);
        return;
    }
    FAIL() << "no seed gave the worked example's case";
}

}  // namespace
}  // namespace schattwerk
