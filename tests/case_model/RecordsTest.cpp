// The records keep their text in step with their id, and keep it when the id is unknown.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "case_model/Clue.h"
#include "case_model/RecordArray.h"
#include "case_model/Statement.h"
#include "case_model/Suspect.h"
#include "case_model/Witness.h"

namespace schattwerk {
namespace {

TEST(Records, TextsFollowTheirIds) {
    EXPECT_EQ(Witness().Name(), "niemand");
    EXPECT_EQ(Witness(3).Name(), "Fräulein Livana");
    EXPECT_EQ(Suspect().Name(), "INVALID");
    EXPECT_EQ(Suspect(11).Name(), "Frau Merrowin");
    EXPECT_EQ(Clue().Identifier(), "INVALID");
    EXPECT_EQ(Clue(ClueNobodyLies).Identifier(), "niemandLuegt");
    const char* liars[] = {"Prof_Quillon",   "Baronin_Orvath", "Frl_Livana",
                           "Oberst_Kallmer", "Fr_Sorrak",      "Reverend_Ambrel"};
    for (WitnessId w = 1; w <= 6; ++w) {
        EXPECT_EQ(Clue(ClueLiarBase + w).Identifier(), liars[w - 1]);
    }
    Witness witness(1);
    witness.SetId(8);
    EXPECT_EQ(witness.Name(), "Kommissar Morvek");
}

TEST(Records, UnknownIdKeepsTheFormerText) {
    EXPECT_EQ(Witness(9).Name(), "");
    EXPECT_EQ(Suspect(10).Name(), "");
    for (SuspectId mask : {10, 13, 14, 15}) {
        Suspect culprit;
        culprit.SetId(mask);
        EXPECT_EQ(culprit.Name(), "INVALID") << mask;
    }
    Clue clue(ClueAttrPresent);
    EXPECT_EQ(clue.Identifier(), "INVALID");
    clue.SetCode(1);
    clue.SetCode(ClueAttrPresent);
    EXPECT_EQ(clue.Identifier(), "Mann");
}

// `source` reads `expected`; so must a copy of it and a target of another text assigned from it.
template <typename Record, typename Read>
void ExpectCopiesRead(const Record& source, Record target, Read read, std::string_view expected) {
    ASSERT_EQ(read(source), expected);
    const Record copy(source);
    EXPECT_EQ(read(copy), expected) << "copy";
    target = source;
    EXPECT_EQ(read(target), expected) << "assignment";
}

// Records of unlisted ids keep a text that a fresh record of that id would not have.
TEST(Records, CopiesOfUnlistedIdsReadWhatTheirSourceReads) {
    const Statement odd(7, 9, "x", ClueAttrPresent);
    ExpectCopiesRead(
        odd.GetWitness(), Witness(1), [](const Witness& w) { return w.Name(); }, "niemand");
    ExpectCopiesRead(
        odd.GetClue(), Clue(1), [](const Clue& c) { return c.Identifier(); }, "INVALID");
    Suspect culprit;
    culprit.SetId(10);
    ExpectCopiesRead(
        culprit, Suspect(4), [](const Suspect& s) { return s.Name(); }, "INVALID");
    ExpectCopiesRead(
        odd, Statement(42, 6, "Es war ganz sicher eine Frau.", 17),
        [](const Statement& s) {
            return std::string(s.GetWitness().Name()) + "/" + std::string(s.GetClue().Identifier());
        },
        "niemand/INVALID");
}

TEST(Records, StatementsDefaultAndKeepDefaultsForUnknownIds) {
    const Statement empty;
    EXPECT_EQ(empty.HintNumber(), 0);
    EXPECT_EQ(empty.GetWitness().Name(), "niemand");
    EXPECT_EQ(empty.Text(), "");
    EXPECT_EQ(empty.GetClue().Code(), IdInvalid);
    EXPECT_EQ(empty.GetClue().Identifier(), "INVALID");
    EXPECT_EQ(empty.HintText(), "0");

    const Statement odd(7, 9, "x", 16);
    EXPECT_EQ(odd.GetWitness().Name(), "niemand");
    EXPECT_EQ(odd.GetClue().Identifier(), "INVALID");
    EXPECT_EQ(odd.HintText(), "7");

    Statement copy;
    copy = Statement(42, 6, "Es war ganz sicher eine Frau.", 17);
    EXPECT_EQ(copy.HintText(), "42");
    EXPECT_EQ(copy.GetWitness().Name(), "Reverend Ambrel");
    EXPECT_EQ(copy.GetClue().Identifier(), "Frau");
}

TEST(Records, ArraysAppendAtTheFormerCountAndResizeWithNobody) {
    WitnessArray witnesses;
    EXPECT_EQ(witnesses.Add(2), 0);
    EXPECT_EQ(witnesses.Add(Witness(5)), 1);
    witnesses.Resize(4);
    EXPECT_EQ(witnesses.Count(), 4);
    EXPECT_EQ(witnesses.At(3).Name(), "niemand");
    EXPECT_EQ(witnesses.At(1).Name(), "Frau Sorrak");
    witnesses.Clear();
    EXPECT_EQ(witnesses.Count(), 0);
}

}  // namespace
}  // namespace schattwerk
