// The built `schattwerk` given what strangers type or pipe in: missing, extra, huge and
// non-numeric arguments, and bytes that are no text. Each run ends with its exit code, one clear
// German message on standard error and nothing on standard output.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "support/ProgramRun.h"

namespace schattwerk {
namespace {

using ::testing::AnyOf;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using testsupport::ProgramRun;
using testsupport::RunProgram;

const std::vector<std::string> kWorkedExample{"74", "34", "55", "22", "86", "60", "47", "21"};

// Just under the longest argument the system passes on: 128 KiB on Linux, while on Windows the
// whole command line holds at most 32767 characters.
#ifdef _WIN32
constexpr std::size_t kLongArgument = 30000;
#else
constexpr std::size_t kLongArgument = 100000;
#endif

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
    const std::string digits(kLongArgument, '9');
    ExpectUsageError(RunCli({"generate", "--count", "99999999999999999999999"}), "count");
    ExpectUsageError(RunCli({"generate", "--count", digits}), "long count");
    ExpectUsageError(RunCli({"generate", "--seed", digits}), "long seed");
    ExpectUsageError(RunCli({"generate", "--seed", "4294967296"}), "seed beyond 32 bits");

    std::vector<std::string> numbers = kWorkedExample;
    numbers[3] = digits;
    const ProgramRun longNumber = RunCli(Decode(numbers));
    ExpectUsageError(longNumber, "long hint");
    EXPECT_THAT(longNumber.err, HasSubstr("Argument 4 (\"" + digits.substr(0, 32) + "...\")"));

    ExpectUsageError(RunCli(Decode(std::vector<std::string>(kLongArgument / 5, "74"))),
                     "many numbers");
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

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

// What the option library finds wrong is told in the program's words and quoting: an escape
// sequence once cleared the screen, a pasted page filled it, "A subcommand is required" was all an
// unknown command or option got, and flags took values or repeats that other options refuse.
TEST(BadInput, TheOptionLibrarysErrorsArePlainGermanAndQuoteArgumentsSafely) {
    const std::string page(kLongArgument, 'x');
    const std::string quotedPage = "\"" + page.substr(0, 32) + "...\"";
    const std::vector<std::pair<std::vector<std::string>, std::string>> wrong{
        {{"solve\x1b[2J"},
         "schattwerk: unbekannter Befehl \"solve?[2J\" (bekannt sind generate und decode)."},
        {{page},
         "schattwerk: unbekannter Befehl " + quotedPage + " (bekannt sind generate und decode)."},
        {{"Täter"}, "schattwerk: unbekannter Befehl \"Täter\" (bekannt sind generate und decode)."},
        {{"--bogus"}, "schattwerk: unbekannte Option \"--bogus\"."},
        {{"generate", "--colour\x1b]0;x\x07"},
         "schattwerk generate: unbekannte Option \"--colour?]0;x?\"."},
        // A right-to-left override once turned the rest of the line around; the others hide,
        // join or reorder what follows, or are no characters at all.
        {{"Zeuge\u202Ea\u2066b\u200Fc\u061Cd\u00ADe\uFEFFf\u2028g\uFFFEh\U000E0041i\U0010FFFF"},
         "schattwerk: unbekannter Befehl \"Zeuge?a?b?c?d?e?f?g?h?i?\" (bekannt sind generate und "
         "decode)."},
        {{"generate", "c", "a", page, "b", "d"},
         "schattwerk generate: unerwartete Argumente \"c\", \"a\", " + quotedPage +
             ", \"b\" und 1 weiteres."},
        {{"generate",
          "--json=\xc2\x9b"
          "2J"},
         "schattwerk generate: --json erwartet keinen Wert, gegeben ist \"?2J\"."},
        {{"generate", "--count", "-1"},
         "schattwerk generate: --count \"-1\" ist zu klein; erlaubt sind ganze Zahlen von 1 bis "
         "2147483647."},
        {{"generate", "--count", page},
         "schattwerk generate: --count " + quotedPage +
             " ist keine ganze Zahl; erlaubt sind ganze Zahlen von 1 bis 2147483647."},
        {{"generate", "--seed", "2147483648"},
         "schattwerk generate: --seed \"2147483648\" ist zu groß; erlaubt sind ganze Zahlen von 0 "
         "bis 2147483647."},
        {{"generate", "--count", "2", "--seed"},
         "schattwerk generate: Wert fehlt nach \"--seed\"."},
        {{"generate", "--count", "1", "--count", "2"},
         "schattwerk generate: --count ist mehrfach angegeben."},
        {{"decode", "74", "34", "55", "22", "86", "60", "47", "21", "--json", "--json"},
         "schattwerk decode: --json ist mehrfach angegeben."},
        {{"decode", "--json="},
         "schattwerk decode: --json erwartet keinen Wert, gegeben ist \"\"."},
        {{"generate", "-h=x"}, "schattwerk generate: -h erwartet keinen Wert, gegeben ist \"x\"."},
        {{"generate", "-hx"}, "schattwerk generate: unbekannte Option \"-hx\"."},
        {{"generate", "--", "--help"}, "schattwerk generate: unerwartetes Argument \"--help\"."},
    };
    for (const auto& [args, message] : wrong) {
        const ProgramRun run = RunCli(args);
        ExpectUsageError(run, message);
        EXPECT_EQ(FirstLine(run.err), message);
    }
    EXPECT_EQ(RunCli({"generate", "--seed", "2147483647"}).exitCode, 0);
}

// A lone 0x9B is a control sequence introducer on a Latin-1 terminal; the bytes of a cut or
// impossible character came out raw.
TEST(BadInput, BytesOfNoWellFormedCharacterInArgumentsShowAsQuestionMarks) {
    const ProgramRun arguments = RunCli({"generate",
                                         "\x9b"
                                         "2J",
                                         "\xc3", "\xe2\x82", "\xed\xa0\x80"});
    ExpectUsageError(arguments, "broken characters");
    EXPECT_EQ(FirstLine(arguments.err),
              "schattwerk generate: unerwartete Argumente \"?2J\", \"?\", \"??\", \"???\".");
}

TEST(BadInput, BytesOfNoWellFormedCharacterOnStandardInputShowAsQuestionMarks) {
    EXPECT_THAT(RunCli({"decode"}, "74\xc3 34 55 22 86 60 47 21").err,
                HasSubstr("Zahl 1 auf der Standardeingabe (\"74?\")"));
}

TEST(BadInput, HelpIsGermanAndGivesTheSeedRange) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--help"}, {"generate", "--help"}, {"decode", "--help"}}) {
        const ProgramRun run = RunCli(args);
        EXPECT_THAT(run.out, HasSubstr("Aufruf: schattwerk"));
        EXPECT_THAT(run.out, HasSubstr("Optionen:\n  -h,--help "));
        EXPECT_THAT(run.out, Not(AnyOf(HasSubstr("Usage"), HasSubstr("Options"), HasSubstr("Print"),
                                       HasSubstr("Display"))));
    }
    EXPECT_THAT(RunCli({"generate", "--help"}).out,
                HasSubstr("--seed STARTWERT            Startwert von 0 bis 2147483647"));
}

// What an editor saves: a byte-order mark first and blank lines last. A ninth number is still
// refused however many blanks come before it, and endless blanks end in a message, not a wait.
TEST(BadInput, StandardInputMayBeginWithAByteOrderMarkAndEndInBlanks) {
    const std::string numbers = "74 34 55 22 86 60 47 21";
    const ProgramRun run =
        RunCli({"decode"}, "\xEF\xBB\xBF" + numbers + std::string(6000, ' ') + "\n\n");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, RunCli(Decode(kWorkedExample)).out);

    ExpectUsageError(RunCli({"decode"}, numbers + std::string(6000, '\n') + "9\n"), "ninth");
    ExpectUsageError(RunCli({"decode"}, "\xEF\xBB " + numbers), "part of a mark");
    ExpectUsageError(RunCli({"decode"}, numbers + std::string(std::size_t{3} << 20, ' ')),
                     "blanks");
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
