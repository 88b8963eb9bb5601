// The catalogue's contract, which generating and decoding rely on, and the selections over it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "case_model/Catalogue.h"
#include "case_model/StatementArray.h"

namespace schattwerk {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

StatementArray Catalogue() {
    StatementArray catalogue;
    for (const CatalogueRow& row : CatalogueRows()) {
        catalogue.AddStatement(row.hintNumber, row.witness, row.text, row.clue);
    }
    return catalogue;
}

std::vector<int> Hints(const StatementArray& statements) {
    std::vector<int> hints;
    for (const Statement& s : statements) {
        hints.push_back(s.HintNumber());
    }
    return hints;
}

StatementArray Select(WitnessId witness, ClueCode clue) {
    StatementArray ofWitness;
    ofWitness.SelectByWitness(Catalogue(), witness);
    StatementArray selected;
    selected.SelectByClue(ofWitness, clue);
    return selected;
}

TEST(Catalogue, HoldsEightyUniqueHintNumbersInAscendingOrder) {
    const StatementArray catalogue = Catalogue();
    ASSERT_EQ(catalogue.Count(), 80);
    std::vector<int> expected;
    for (int hint = 11; hint <= 95; ++hint) {
        if (hint != 50 && hint != 83 && hint != 85 && hint != 90 && hint != 94) {
            expected.push_back(hint);
        }
    }
    EXPECT_EQ(Hints(catalogue), expected);
    EXPECT_EQ(catalogue.At(0).Text(), "Ich bin mir sicher, ich habe einen Mann gesehen.");
}

TEST(Catalogue, EveryAttributeWitnessTellsEachCodeOnceAndNothingTwice) {
    for (WitnessId w = 1; w <= 6; ++w) {
        for (ClueCode bit : {1, 2, 4, 8}) {
            EXPECT_EQ(Select(w, bit).Count(), 1) << w << " " << bit;
            EXPECT_EQ(Select(w, bit | ClueAttrPresent).Count(), 1) << w << " " << bit;
        }
        EXPECT_EQ(Select(w, ClueNone).Count(), 2) << w;
        EXPECT_EQ(Select(w, ClueAttrPresent).Count(), 0) << w;
        StatementArray all;
        all.SelectByWitness(Catalogue(), w);
        EXPECT_EQ(all.Count(), 10) << w;
    }
}

TEST(Catalogue, PlaceAndLiarWitnessesHoldTheirRepeatedRows) {
    StatementArray place;
    place.SelectByWitness(Catalogue(), WitnessPlace);
    EXPECT_THAT(Hints(place), ElementsAre(12, 25, 31, 47, 59, 62, 73, 79));
    for (const Statement& s : place) {
        EXPECT_EQ(s.Text(), s.GetClue().Identifier()) << "the place witness names the place";
    }
    for (ClueCode placeCode = CluePlaceBase; placeCode < CluePlaceBase + 4; ++placeCode) {
        EXPECT_EQ(Select(WitnessPlace, placeCode).Count(), 2);
    }
    EXPECT_THAT(Hints(Select(WitnessLiar, ClueNobodyLies)), ElementsAre(24, 32, 53, 66, 92, 95));
    for (WitnessId liar = 1; liar <= 6; ++liar) {
        EXPECT_EQ(Select(WitnessLiar, ClueLiarBase + liar).Count(), 1);
    }
}

TEST(Catalogue, EveryRowHasAKnownWitnessAndClue) {
    for (const Statement& s : Catalogue()) {
        EXPECT_NE(s.GetClue().Identifier(), "INVALID") << s.HintNumber();
        EXPECT_GE(s.GetWitness().Id(), 1);
        EXPECT_LE(s.GetWitness().Id(), 8);
        EXPECT_FALSE(s.Text().empty());
    }
}

TEST(Catalogue, TwelveTextsStandAtTwoHintNumbersEach) {
    std::map<std::string_view, std::vector<int>> hintsByText;
    for (const Statement& s : Catalogue()) {
        hintsByText[s.Text()].push_back(s.HintNumber());
    }
    int shared = 0;
    for (const auto& [text, hints] : hintsByText) {
        EXPECT_LE(hints.size(), 2U) << text;
        shared += hints.size() == 2 ? 1 : 0;
    }
    EXPECT_EQ(shared, 12);
    EXPECT_THAT(hintsByText["Einen Hut hatte die Person nicht auf."], ElementsAre(17, 37));
    EXPECT_THAT(hintsByText["Ich erinnere mich genau an einen Hut."], ElementsAre(88, 89));
}

TEST(Catalogue, SelectionsFindOnlyWhatBelongsToTheWitness) {
    StatementArray none;
    none.SelectByWitness(Catalogue(), WitnessNobody);
    EXPECT_THAT(Hints(none), IsEmpty());
    none.SelectByWitness(Catalogue(), 9);
    EXPECT_THAT(Hints(none), IsEmpty());

    StatementArray ofWitness;
    StatementArray byHint;
    ofWitness.SelectByWitness(Catalogue(), 1);
    byHint.SelectByHint(ofWitness, 11);
    EXPECT_THAT(Hints(byHint), IsEmpty()) << "11 belongs to witness 4";
    for (WitnessId w = 1; w <= 8; ++w) {
        ofWitness.SelectByWitness(Catalogue(), w);
        for (int unused : {50, 83, 85, 90, 94}) {
            byHint.SelectByHint(ofWitness, unused);
            EXPECT_THAT(Hints(byHint), IsEmpty());
        }
    }
    EXPECT_THAT(Hints(Select(3, 17)), ElementsAre(75));
}

TEST(StatementArray, SortByWitnessOrdersByIdAndLeavesShortArraysAlone) {
    StatementArray statements;
    statements.SortByWitness();
    EXPECT_EQ(statements.Count(), 0);
    statements.AddStatement(70, 4, "a", 4);
    statements.SortByWitness();
    EXPECT_THAT(Hints(statements), ElementsAre(70));
    for (auto [hint, witness] : {std::pair{14, 1}, {22, 6}, {27, 2}, {71, 5}, {55, 3}}) {
        statements.AddStatement(hint, witness, "b", 0);
    }
    statements.SortByWitness();
    std::vector<WitnessId> order;
    for (const Statement& s : statements) {
        order.push_back(s.GetWitness().Id());
    }
    EXPECT_THAT(order, ElementsAre(1, 2, 3, 4, 5, 6));
}

}  // namespace
}  // namespace schattwerk
