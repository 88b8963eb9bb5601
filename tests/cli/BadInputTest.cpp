// The built `schattwerk` given what strangers type or pipe in: missing, extra, huge and
// non-numeric arguments, bytes that are no text, and an output that cannot be written. Each run
// ends with its exit code, one clear message on standard error and nothing on standard output.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "support/ProgramRun.h"

namespace schattwerk {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using testsupport::ProgramRun;
using testsupport::RunProgram;

const std::vector<std::string> kWorkedExample{"74", "34", "55", "22", "86", "60", "47", "21"};

ProgramRun RunCli(const std::vector<std::string>& args, const std::string& input = {}) {
    return RunProgram(SCHATTWERK_CLI_PATH, args, input);
}

std::vector<std::string> Decode(std::vector<std::string> numbers) {
    numbers.insert(numbers.begin(), "decode");
    return numbers;
}

// A usage error: exit code 2, a message of a few lines, and no output.
void ExpectUsageError(const ProgramRun& run, const std::string& what) {
    EXPECT_EQ(run.exitCode, 2) << what << '\n' << run.err;
    EXPECT_THAT(run.out, IsEmpty()) << what;
    EXPECT_THAT(run.err, Not(IsEmpty())) << what;
    EXPECT_THAT(run.err, EndsWith("\n")) << what;
    EXPECT_LT(run.err.size(), 2000U) << what;
}

TEST(BadInput, MissingArgumentsAreUsageErrors) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{},
                                               {"generate", "--count"},
                                               {"generate", "--seed"},
                                               {"decode", "74", "34"},
                                               {"decode", "--json", "74"},
                                               {"--count", "3"}}) {
        ExpectUsageError(RunCli(args), ::testing::PrintToString(args));
    }
}

TEST(BadInput, ExtraArgumentsAreUsageErrors) {
    std::vector<std::string> nine = kWorkedExample;
    nine.push_back("21");
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"generate", "extra"},
                                               {"generate", "decode"},
                                               Decode(nine),
                                               {"decode", "-", "-"},
                                               {"generate", "--count", "1", "2"},
                                               {"decode", "--solution"}}) {
        ExpectUsageError(RunCli(args), ::testing::PrintToString(args));
    }
}

TEST(BadInput, HugeArgumentsAreUsageErrors) {
    // Just under the longest argument the system passes on (128 KiB).
    const std::string digits(100000, '9');
    ExpectUsageError(RunCli({"generate", "--count", "99999999999999999999999"}), "count");
    ExpectUsageError(RunCli({"generate", "--count", digits}), "long count");
    ExpectUsageError(RunCli({"generate", "--seed", digits}), "long seed");
    ExpectUsageError(RunCli({"generate", "--seed", "4294967296"}), "seed beyond 32 bits");

    std::vector<std::string> numbers = kWorkedExample;
    numbers[3] = digits;
    const ProgramRun longNumber = RunCli(Decode(numbers));
    ExpectUsageError(longNumber, "long hint");
    EXPECT_THAT(longNumber.err, HasSubstr("Argument 4 (\"" + digits.substr(0, 32) + "...\")"));

    ExpectUsageError(RunCli(Decode(std::vector<std::string>(20000, "74"))), "20000 numbers");
}

TEST(BadInput, NonNumericArgumentsAreUsageErrors) {
    const std::vector<std::string> notNumbers{"zehn", "",     " 5",       "5 ",   "0x10", "1.0",
                                              "+-1",  "７４", "\xff\xfe", "74\n", "--",   "-1-"};
    for (const std::string& word : notNumbers) {
        ExpectUsageError(RunCli({"generate", "--count", word}), "count " + word);
        std::vector<std::string> numbers = kWorkedExample;
        numbers[7] = word;
        ExpectUsageError(RunCli(Decode(numbers)), "hint " + word);
    }
    std::vector<std::string> numbers = kWorkedExample;
    numbers[1] = "\x1b]0;title\x07\x1b[2J";
    const ProgramRun escape = RunCli(Decode(numbers));
    ExpectUsageError(escape, "escape sequence");
    EXPECT_THAT(escape.err, HasSubstr("Argument 2 (\"?]0;title??[2J\")"));
}

// The option parser alone would read "010" as octal and "0x10" as hexadecimal.
TEST(BadInput, OptionNumbersAreDecimalWhateverTheirLeadingZeros) {
    const ProgramRun ten = RunCli({"generate", "--seed", "10", "--count", "8"});
    ASSERT_EQ(ten.exitCode, 0) << ten.err;
    EXPECT_EQ(RunCli({"generate", "--seed", "0010", "--count", "008"}).out, ten.out);
    EXPECT_NE(RunCli({"generate", "--seed", "8", "--count", "8"}).out, ten.out);
    EXPECT_EQ(RunCli({"generate", "--seed", "00", "--count", "1"}).out,
              RunCli({"generate", "--seed", "0", "--count", "1"}).out);
}

TEST(BadInput, BinaryStandardInputIsAUsageErrorWithoutEchoingIt) {
    std::mt19937 random(99);
    std::string noise(1 << 20, '\0');
    for (char& c : noise) {
        c = static_cast<char>(random());
    }
    for (const std::string& input :
         {noise, std::string(5000, '\0'), std::string("74 34 55 22 86 60 47 \xff\xfe"),
          std::string("74\x00"
                      "34",
                      5),
          std::string("\x1b[2J\x1b]0;title\x07")}) {
        const ProgramRun run = RunCli({"decode"}, input);
        ExpectUsageError(run, "binary input of " + std::to_string(input.size()) + " bytes");
        EXPECT_THAT(run.err, HasSubstr("Standardeingabe"));
        EXPECT_THAT(run.err, Not(HasSubstr("\x1b"))) << "input bytes are not echoed";
    }
}

TEST(BadInput, OutputThatCannotBeWrittenIsAnErrorNotSuccess) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"generate"},
                                               {"generate", "--count", "5000", "--json"},
                                               Decode(kWorkedExample),
                                               {"--version"},
                                               {"--help"},
                                               {"generate", "--help"}}) {
        const ProgramRun run = RunProgram(SCHATTWERK_CLI_PATH, args, {}, "/dev/full");
        EXPECT_EQ(run.exitCode, 1) << ::testing::PrintToString(args);
        EXPECT_EQ(run.err, "schattwerk: die Ausgabe kann nicht geschrieben werden.\n");
    }
}

TEST(BadInput, TheSameArgumentsStillWorkWhenWellFormed) {
    const ProgramRun run = RunCli(Decode(kWorkedExample));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_THAT(run.out, EndsWith("Täter: Frau Sorrak\nVersteck: Kirmes\n"));
    EXPECT_EQ(RunCli({"decode"}, "74 34 55 22 86 60 47 21").out, run.out);
    EXPECT_THAT(run.err, IsEmpty());
}

}  // namespace
}  // namespace schattwerk
