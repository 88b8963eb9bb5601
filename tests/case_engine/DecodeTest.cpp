// Decoding typed hint numbers: every possible case, the worked example, and the two errors with
// what a refused attempt leaves behind.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "case_engine/CaseEngine.h"
#include "case_engine/EngineMessages.h"
#include "case_engine/SharedGenerator.h"
#include "support/PossibleCases.h"

namespace schattwerk {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class RecordedErrors : public ErrorReporter {
  public:
    void ReportError(const CaseError& error) override { errors.push_back(error); }
    std::vector<CaseError> errors;
};

constexpr HintNumbers kWorkedExample{74, 34, 55, 22, 86, 60, 47, 21};

class DecodeTest : public ::testing::Test {
  protected:
    DecodeTest() { engine.BuildCatalogues(); }
    void TearDown() override { SharedGenerator::UseClockSeeds(); }

    // Decodes `hints` and expects a refusal with exactly one report, which it returns.
    CaseError Refused(const HintNumbers& hints) {
        reporter.errors.clear();
        EXPECT_FALSE(engine.Decode(hints));
        EXPECT_FALSE(engine.CaseValid());
        EXPECT_EQ(reporter.errors.size(), 1U);
        return reporter.errors.empty() ? CaseError{} : reporter.errors.back();
    }

    RecordedErrors reporter;
    CaseEngine engine{reporter};
};

HintNumbers With(HintNumbers hints, WitnessId witness, int hintNumber) {
    hints[static_cast<std::size_t>(witness - 1)] = hintNumber;
    return hints;
}

// Witness 2 lies: his "Mann" (34) counts as female, and witness 6 adds grey hair.
TEST_F(DecodeTest, WorkedExample) {
    ASSERT_TRUE(engine.Decode(kWorkedExample));
    EXPECT_THAT(reporter.errors, IsEmpty());
    EXPECT_TRUE(engine.CaseValid());
    EXPECT_EQ(engine.Culprit().Id(), 9);
    EXPECT_EQ(engine.Culprit().Name(), "Frau Sorrak");
    EXPECT_EQ(engine.PlaceStatement().GetClue().Identifier(), "Kirmes");
    EXPECT_EQ(engine.LiarStatement().HintNumber(), 21);
    std::vector<std::pair<WitnessId, int>> rows;
    for (const Statement& s : engine.CaseStatements()) {
        rows.emplace_back(s.GetWitness().Id(), s.HintNumber());
    }
    EXPECT_THAT(
        rows, ElementsAre(std::pair(1, 74), std::pair(2, 34), std::pair(3, 55), std::pair(4, 22),
                          std::pair(5, 86), std::pair(6, 60), std::pair(7, 47), std::pair(8, 21)));
}

TEST_F(DecodeTest, EveryPossibleCaseDecodesToItsCulpritAndPlace) {
    int cases = 0;
    ForEachPossibleCase([&](const PossibleCase& possible) {
        ++cases;
        if (!engine.Decode(possible.hintNumbers) || engine.Culprit().Id() != possible.culprit ||
            engine.PlaceStatement().GetClue().Identifier() != possible.place) {
            ADD_FAILURE() << ::testing::PrintToString(possible.hintNumbers);
        }
    });
    EXPECT_EQ(cases, 12 * (6 * 720 + 6 * 480) / 2 * 4);
    EXPECT_THAT(reporter.errors, IsEmpty());
}

// The converse: of all numbers valid for their witnesses 1..6 (one of the two clue-0 statements
// each), Decode takes exactly the possible cases and refuses every other tuple with error 101.
TEST_F(DecodeTest, NothingButAPossibleCaseDecodes) {
    // Per witness its eight attribute statements and the first of its two clue-0 statements.
    std::array<std::vector<int>, 6> choices;
    std::array<bool, 6> silentTaken{};
    for (const CatalogueRow& row : CatalogueRows()) {
        if (row.witness >= WitnessPlace) {
            continue;
        }
        const auto w = static_cast<std::size_t>(row.witness - 1);
        if (row.clue == ClueNone && std::exchange(silentTaken[w], true)) {
            continue;
        }
        choices[w].push_back(row.hintNumber);
    }
    const auto usesChoices = [&](const HintNumbers& hints) {
        for (std::size_t i = 0; i < choices.size(); ++i) {
            if (std::find(choices[i].begin(), choices[i].end(), hints[i]) == choices[i].end()) {
                return false;
            }
        }
        return true;
    };
    for (const int liarHint : {24, 21}) {  // nobody lies; witness 2 lies
        std::set<HintNumbers> possible;
        ForEachPossibleCase([&](const PossibleCase& c) {
            if (c.hintNumbers[7] == liarHint && usesChoices(c.hintNumbers)) {
                possible.insert(With(c.hintNumbers, WitnessPlace, 12));
            }
        });
        ASSERT_EQ(possible.size(), liarHint == 24 ? 12U * 360 : 12U * 240);

        std::size_t decoded = 0;
        std::size_t refusedWith101 = 0;
        HintNumbers hints{0, 0, 0, 0, 0, 0, 12, liarHint};
        for (std::size_t index = 0; index < 531441; ++index) {  // 9^6
            for (std::size_t w = 0, rest = index; w < choices.size(); ++w, rest /= 9) {
                hints[w] = choices[w][rest % 9];
            }
            if (engine.Decode(hints)) {
                decoded += possible.count(hints);
            } else {
                refusedWith101 += reporter.errors.size() == 1 &&
                                  reporter.errors[0].messageId == MessageUnsoundCase;
                reporter.errors.clear();
            }
        }
        EXPECT_EQ(decoded, possible.size());
        EXPECT_EQ(refusedWith101, 531441 - possible.size());
    }
}

TEST_F(DecodeTest, GeneratedCasesDecodeToTheirSolution) {
    for (std::uint32_t seed = 0; seed < 2000; ++seed) {
        SharedGenerator::UseSeedsFrom(seed * 2654435761U);
        CaseEngine generator(reporter);
        generator.BuildCatalogues();
        generator.Generate();
        HintNumbers hints{};
        for (int i = 0; i < WitnessCount; ++i) {
            hints[i] = generator.CaseStatements().At(i).HintNumber();
        }
        ASSERT_TRUE(engine.Decode(hints)) << seed;
        EXPECT_EQ(engine.Culprit().Id(), generator.Culprit().Id());
        EXPECT_EQ(engine.PlaceStatement().HintNumber(), generator.PlaceStatement().HintNumber());
    }
}

TEST_F(DecodeTest, ANumberOfAnotherWitnessIsError100WithItsValues) {
    const CaseError error = Refused(With(kWorkedExample, 1, 12));
    EXPECT_EQ(error.messageId, MessageInvalidHint);
    EXPECT_EQ(error.hintNumber, 12);
    EXPECT_EQ(error.witnessName, "Professor Quillon");
    EXPECT_EQ(FormatCaseError(error),
              "FEHLER 100: 12 ist keine gültige Hinweisnummer für Professor Quillon.");
    EXPECT_EQ(engine.CaseStatements().Count(), 0) << "later witnesses are not looked at";
    engine.ComputeCulprit();  // on no statements: reads none of them
    EXPECT_EQ(engine.Culprit().Id(), 0);

    for (const CatalogueRow& row : CatalogueRows()) {
        for (WitnessId w = 1; w <= WitnessCount; ++w) {
            if (w != row.witness) {
                EXPECT_EQ(Refused(With(kWorkedExample, w, row.hintNumber)).witnessName,
                          *WitnessName(w));
            }
        }
    }
}

TEST_F(DecodeTest, NumbersOutsideTheCatalogueAreInvalidForEveryWitness) {
    for (const int number : {INT_MIN, -11, 0, 10, 50, 83, 85, 90, 94, 96, 111, INT_MAX}) {
        for (WitnessId w = 1; w <= WitnessCount; ++w) {
            const CaseError error = Refused(With(kWorkedExample, w, number));
            EXPECT_EQ(error.messageId, MessageInvalidHint);
            EXPECT_EQ(error.hintNumber, number);
            EXPECT_EQ(error.witnessName, *WitnessName(w));
            EXPECT_EQ(engine.CaseStatements().Count(), w - 1);
        }
    }
}

TEST_F(DecodeTest, TwoWrongNumbersAreReportedOneAttemptAtATime) {
    HintNumbers hints = With(With(kWorkedExample, 3, 50), 6, 47);
    EXPECT_EQ(Refused(hints).witnessName, "Fräulein Livana");
    hints = With(hints, 3, 55);
    const CaseError second = Refused(hints);
    EXPECT_EQ(second.hintNumber, 47);
    EXPECT_EQ(second.witnessName, "Reverend Ambrel");
    EXPECT_TRUE(engine.Decode(With(hints, 6, 60)));
    EXPECT_EQ(engine.Culprit().Name(), "Frau Sorrak");
}

// Numbers that are each their witness's but tell no case were once shown as a solved case.
TEST_F(DecodeTest, NumbersThatMakeNoCaseAreError101AndSolveNothing) {
    const std::vector<HintNumbers> unsound{
        {51, 88, 23, 46, 71, 52, 47, 24},  // hat and grey hair only: mask 10, nobody
        {56, 39, 19, 46, 71, 52, 47, 24},  // mask 13
        {51, 88, 19, 46, 71, 52, 47, 24},  // mask 14
        {56, 88, 19, 46, 71, 52, 47, 24},  // mask 15
        {51, 88, 19, 46, 71, 52, 47, 87},  // mask 15 once the liar (witness 1) is inverted
        {56, 88, 13, 46, 35, 52, 47, 24},  // "Hut" and "keinHut"
        {20, 88, 75, 70, 26, 52, 47, 24},  // hat told twice, in agreement
        {56, 88, 19, 22, 71, 52, 47, 24},  // grey hair never told
        {14, 27, 55, 22, 71, 52, 47, 24},  // nobody tells anything
        {74, 34, 55, 22, 86, 60, 47, 45},  // the liar (witness 3) tells nothing
    };
    for (const HintNumbers& hints : unsound) {
        CaseEngine fresh(reporter);
        fresh.BuildCatalogues();
        reporter.errors.clear();
        EXPECT_FALSE(fresh.Decode(hints)) << ::testing::PrintToString(hints);
        EXPECT_FALSE(fresh.CaseValid());
        ASSERT_EQ(reporter.errors.size(), 1U);
        EXPECT_EQ(FormatCaseError(reporter.errors[0]),
                  "FEHLER 101: Diese Hinweisnummern ergeben keinen gültigen Fall.");
        EXPECT_EQ(fresh.Culprit().Name(), "INVALID");
        EXPECT_EQ(fresh.PlaceStatement().HintNumber(), 0);
        EXPECT_EQ(fresh.LiarStatement().HintNumber(), 0);
    }
}

TEST_F(DecodeTest, ARefusedAttemptKeepsTheFormerSolutionButNotItsValidity) {
    ASSERT_TRUE(engine.Decode(kWorkedExample));
    EXPECT_EQ(Refused(With(kWorkedExample, 8, 45)).messageId, MessageUnsoundCase);
    EXPECT_EQ(engine.CaseStatements().Count(), 8);
    EXPECT_EQ(engine.Culprit().Name(), "Frau Sorrak");
    EXPECT_EQ(engine.LiarStatement().HintNumber(), 21);
    EXPECT_TRUE(engine.Decode(With(With(kWorkedExample, 8, 24), 2, 76)));
    EXPECT_EQ(engine.Culprit().Name(), "Frau Sorrak");
    EXPECT_EQ(engine.LiarStatement().HintNumber(), 24);
}

}  // namespace
}  // namespace schattwerk
