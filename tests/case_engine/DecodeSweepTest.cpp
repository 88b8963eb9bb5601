// Any eight numbers into the decoder: a large random sample of 0..99 and the boundaries of the
// integer range and of each witness's numbers, each compared with what the catalogue says.
#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "support/DecodeOracle.h"

namespace schattwerk {
namespace {

class RecordedErrors : public ErrorReporter {
  public:
    void ReportError(const CaseError& error) override { errors.push_back(error); }
    std::vector<CaseError> errors;
};

class DecodeSweepTest : public ::testing::Test {
  protected:
    DecodeSweepTest() { engine.BuildCatalogues(); }

    // Decodes `hints` and says what differs from the oracle; empty when nothing does.
    std::string Mismatch(const HintNumbers& hints) {
        reporter.errors.clear();
        const DecodeVerdict expected = oracle.Expected(hints);
        const bool decoded = engine.Decode(hints);
        if (decoded != expected.decoded || engine.CaseValid() != decoded) {
            return "decoded " + std::to_string(decoded);
        }
        if (decoded) {
            if (!reporter.errors.empty() || engine.Culprit().Id() != expected.culprit ||
                engine.PlaceStatement().GetClue().Identifier() != expected.place) {
                return "another solution";
            }
            return {};
        }
        if (reporter.errors.size() != 1) {
            return std::to_string(reporter.errors.size()) + " errors";
        }
        const CaseError& error = reporter.errors.front();
        if (error.messageId != expected.error.messageId ||
            error.hintNumber != expected.error.hintNumber ||
            error.witnessName != expected.error.witnessName) {
            return FormatCaseError(error);
        }
        return {};
    }

    void ExpectAsTheCatalogueSays(const HintNumbers& hints) {
        const std::string mismatch = Mismatch(hints);
        if (!mismatch.empty()) {
            ADD_FAILURE() << ::testing::PrintToString(hints) << ": " << mismatch;
        }
    }

    static inline const DecodeOracle oracle;
    RecordedErrors reporter;
    CaseEngine engine{reporter};
};

// Mostly error 100 for the lowest witness, since few numbers of 0..99 are a given witness's.
TEST_F(DecodeSweepTest, RandomNumbersFromZeroToNinetyNine) {
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> number(0, 99);
    for (int sample = 0; sample < 200000; ++sample) {
        HintNumbers hints{};
        for (int& hint : hints) {
            hint = number(random);
        }
        ExpectAsTheCatalogueSays(hints);
    }
}

// Numbers that are mostly their witness's, so that the sample reaches error 101 and solved
// cases too.
TEST_F(DecodeSweepTest, RandomNumbersMostlyOfTheirOwnWitness) {
    std::array<std::vector<int>, WitnessCount> own;
    for (const CatalogueRow& row : CatalogueRows()) {
        own.at(static_cast<std::size_t>(row.witness - 1)).push_back(row.hintNumber);
    }
    std::mt19937 random(7);
    std::uniform_int_distribution<int> any(0, 99);
    std::uniform_int_distribution<int> percent(0, 99);
    int solved = 0;
    for (int sample = 0; sample < 200000; ++sample) {
        HintNumbers hints{};
        for (std::size_t w = 0; w < hints.size(); ++w) {
            hints[w] = percent(random) < 2 ? any(random)
                                           : own[w][std::uniform_int_distribution<std::size_t>(
                                                 0, own[w].size() - 1)(random)];
        }
        ExpectAsTheCatalogueSays(hints);
        solved += engine.CaseValid();
    }
    EXPECT_GT(solved, 100) << "the sample reaches solved cases";
}

TEST_F(DecodeSweepTest, BoundariesOfTheIntegerRangeAndOfEachWitnesssNumbers) {
    const HintNumbers example{74, 34, 55, 22, 86, 60, 47, 21};
    std::vector<int> boundaries{INT_MIN, INT_MIN + 1, -100, -1, 0,  1,   9,   10,          11,
                                12,      94,          95,   96, 99, 100, 101, INT_MAX - 1, INT_MAX};
    for (const CatalogueRow& row : CatalogueRows()) {
        boundaries.push_back(row.hintNumber - 1);
        boundaries.push_back(row.hintNumber + 1);
    }
    for (std::size_t w = 0; w < example.size(); ++w) {
        for (const int value : boundaries) {
            HintNumbers hints = example;
            hints[w] = value;
            ExpectAsTheCatalogueSays(hints);
            HintNumbers everywhere{};
            everywhere.fill(value);
            ExpectAsTheCatalogueSays(everywhere);
        }
    }
    reporter.errors.clear();
    engine.Decode({INT_MIN, 0, 0, 0, 0, 0, 0, 0});
    ASSERT_EQ(reporter.errors.size(), 1U);
    EXPECT_EQ(FormatCaseError(reporter.errors[0]),
              "FEHLER 100: -2147483648 ist keine gültige Hinweisnummer für Professor Quillon.");
}

}  // namespace
}  // namespace schattwerk
