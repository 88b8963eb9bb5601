// The built `schattwerk` draws a seeded case in one fixed order: which draw comes first, the
// ranges, the pick-and-remove shuffle and the restarts of the liar shuffle. Any other order
// would still make sound cases, so only the exact output pins it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ProgramRun.h"

namespace schattwerk {
namespace {

// How the expectations were made: traced by hand from the rules of the generator, with a
// calculator for the raw values and their mapping, never by running the program.
// `--seed S` seeds the engine's source with S itself; the witness shuffle's source, the next one
// made, with the second seed of S's series. Each source discards one raw value and draws once.
// The engine then draws culprit (range 11), witness 8's statement (11) and witness 7's (7); the
// shuffle picks from pools of 6 down to 1, starting over after four picks without the liar; the
// six statement draws of the shuffled witnesses follow on the shuffle's sequence.
// - seed 0 (shuffle seed 410673539): culprit Madame Veyrine, witness 2 lies (21), Stand (31);
//   shuffle 4, 3, 5, 2, 1, 6 with the liar as the fourth pick, so no restart; 19 raw values.
// - seed 1 (shuffle seed 2070956723): culprit Prinz Zephan, witness 1 lies (87), Bus (59); the
//   first attempt draws 3, 2, 6, 5 and starts over at the shuffle's 7th raw value, then
//   1, 5, 3, 2, 6, 4; 23 raw values.
// - seed 2 (shuffle seed 908551456): culprit Oberst v. Kallmer, nobody lies (66), Stand (73);
//   shuffle 1, 5, 3, 2, 6, 4; 19 raw values.
// - seed 42 (shuffle seed 869473950): culprit Torvin Grebbel, nobody lies (92), Kirmes (47);
//   shuffle 2, 4, 1, 3, 6, 5, its first pick from raw 9829 (1.9998 before rounding down to 1);
//   19 raw values.
// - seed 2147483647 (shuffle seed 1970030570): culprit Fräulein Livana, witness 3 lies (45),
//   Kirmes (79); shuffle 4, 2, 3, 5, 1, 6, the liar the third pick; 19 raw values.
struct SeededCase {
    std::string seed;
    std::string output;
};

const std::vector<SeededCase> kTracedCases{
    {"0",
     "Professor Quillon   38\n"
     "Baronin v. Orvath   43\n"
     "Fräulein Livana     89\n"
     "Oberst v. Kallmer   65\n"
     "Frau Sorrak         30\n"
     "Reverend Ambrel     52\n"
     "Dr. Trellin         31\n"
     "Kommissar Morvek    21\n"
     "Täter: Madame Veyrine\n"
     "Versteck: Stand\n"},
    {"1",
     "Professor Quillon   56\n"
     "Baronin v. Orvath   57\n"
     "Fräulein Livana     23\n"
     "Oberst v. Kallmer   93\n"
     "Frau Sorrak         58\n"
     "Reverend Ambrel     84\n"
     "Dr. Trellin         59\n"
     "Kommissar Morvek    87\n"
     "Täter: Prinz Zephan\n"
     "Versteck: Bus\n"},
    {"2",
     "Professor Quillon   51\n"
     "Baronin v. Orvath   43\n"
     "Fräulein Livana     23\n"
     "Oberst v. Kallmer   93\n"
     "Frau Sorrak         86\n"
     "Reverend Ambrel     84\n"
     "Dr. Trellin         73\n"
     "Kommissar Morvek    66\n"
     "Täter: Oberst v. Kallmer\n"
     "Versteck: Stand\n"},
    {"42",
     "Professor Quillon   41\n"
     "Baronin v. Orvath   34\n"
     "Fräulein Livana     40\n"
     "Oberst v. Kallmer   81\n"
     "Frau Sorrak         80\n"
     "Reverend Ambrel     52\n"
     "Dr. Trellin         47\n"
     "Kommissar Morvek    92\n"
     "Täter: Torvin Grebbel\n"
     "Versteck: Kirmes\n"},
    {"2147483647",
     "Professor Quillon   38\n"
     "Baronin v. Orvath   39\n"
     "Fräulein Livana     19\n"
     "Oberst v. Kallmer   65\n"
     "Frau Sorrak         63\n"
     "Reverend Ambrel     52\n"
     "Dr. Trellin         79\n"
     "Kommissar Morvek    45\n"
     "Täter: Fräulein Livana\n"
     "Versteck: Kirmes\n"},
};

TEST(DrawOrder, SeededCasesAreTheTracedOnes) {
    for (const SeededCase& traced : kTracedCases) {
        const testsupport::ProgramRun run = testsupport::RunProgram(
            SCHATTWERK_CLI_PATH, {"generate", "--seed", traced.seed, "--solution"});
        EXPECT_EQ(run.exitCode, 0) << "seed " << traced.seed << '\n' << run.err;
        EXPECT_EQ(run.out, traced.output) << "seed " << traced.seed;
    }
}

}  // namespace
}  // namespace schattwerk
