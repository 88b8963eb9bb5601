// The command line as a user calls it: output, reproducibility, exit codes, and decoding from
// arguments and from standard input.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <streambuf>

#include "case_engine/SharedGenerator.h"
#include "cli/CommandLine.h"
#include "cli/HintInput.h"
#include "support/PossibleCases.h"

namespace schattwerk {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

struct CliRun {
    int exitCode;
    std::string out;
    std::string err;
};

CliRun RunWith(std::vector<std::string> args, const std::string& input = "") {
    args.insert(args.begin(), "schattwerk");
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunCommandLine(static_cast<int>(argv.size()), argv.data(), in, out, err,
                                    InputDevice::FileOrPipe, SCHATTWERK_CLI_PATH);
    SharedGenerator::UseClockSeeds();
    return {code, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(CommandLine, GeneratePrintsEightRowsInWitnessOrder) {
    const CliRun run = RunWith({"generate", "--seed", "3"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 8U);
    const char* names[] = {"Professor Quillon", "Baronin v. Orvath", "Fräulein Livana",
                           "Oberst v. Kallmer", "Frau Sorrak",       "Reverend Ambrel",
                           "Dr. Trellin",       "Kommissar Morvek"};
    // Without character classes, which GoogleTest's regular expressions lack on Windows.
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_THAT(lines[i], ::testing::MatchesRegex(std::string(names[i]) + " +.."));
        const std::string hint = lines[i].substr(lines[i].size() - 2);
        EXPECT_TRUE(hint[0] >= '1' && hint[0] <= '9' && hint[1] >= '0' && hint[1] <= '9')
            << lines[i];
    }
    EXPECT_THAT(run.out, Not(HasSubstr("Täter")));
}

TEST(CommandLine, SolutionAddsCulpritAndPlace) {
    const std::vector<std::string> lines =
        Lines(RunWith({"generate", "--seed", "3", "--solution"}).out);
    ASSERT_EQ(lines.size(), 10U);
    EXPECT_THAT(lines[8], ::testing::StartsWith("Täter: "));
    EXPECT_THAT(lines[9], ::testing::AnyOf("Versteck: Bus", "Versteck: Parade", "Versteck: Stand",
                                           "Versteck: Kirmes"));
}

TEST(CommandLine, TheSameSeedGivesTheSameBytes) {
    const std::vector<std::string> args{"generate", "--seed", "2147483647",
                                        "--count",  "50",     "--solution"};
    const CliRun first = RunWith(args);
    EXPECT_EQ(first.out, RunWith(args).out);
    EXPECT_NE(first.out, RunWith({"generate", "--seed", "1", "--count", "50", "--solution"}).out);
    EXPECT_EQ(Lines(first.out).size(), 50U * 11 - 1) << "cases are separated by a blank line";
}

TEST(CommandLine, JsonIsOneParsableObjectPerCase) {
    const CliRun run = RunWith({"generate", "--seed", "9", "--count", "3", "--json", "--solution"});
    ASSERT_EQ(run.exitCode, 0);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 3U);
    for (const std::string& line : lines) {
        const nlohmann::json report = nlohmann::json::parse(line);
        ASSERT_EQ(report["rows"].size(), 8U);
        EXPECT_EQ(report["rows"][2]["name"], "Fräulein Livana");
        EXPECT_EQ(report["rows"][7]["witness"], 8);
        EXPECT_TRUE(report["culprit"].is_string());
        EXPECT_TRUE(report["place"].is_string());
    }
    EXPECT_FALSE(
        nlohmann::json::parse(Lines(RunWith({"generate", "--seed", "9", "--json"}).out).at(0))
            .contains("culprit"));
}

// As other command lines do: a call for help or the version is answered wherever it stands before
// "--", whatever else the line holds; the help is that of the command named.
TEST(CommandLine, VersionAndHelpExitZeroWhereverTheyStand) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--version"}, {"generate", "--count", "0", "--version"}}) {
        const CliRun version = RunWith(args);
        EXPECT_EQ(version.exitCode, 0);
        EXPECT_EQ(version.out, "Dornak-Schattwerk-Generator v1.02\n");
    }
    const CliRun help = RunWith({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_THAT(help.out, HasSubstr("generate"));

    const CliRun decodeHelp = RunWith({"decode", "--help"});
    EXPECT_THAT(decodeHelp.out, HasSubstr("Aufruf: schattwerk decode"));
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"decode", "74", "34", "--help"},
                                               {"decode", "--json", "--json", "-h"},
                                               {"decode", "--bogus", "--json=1", "--help"},
                                               {"--help", "decode", "74"}}) {
        const CliRun run = RunWith(args);
        EXPECT_EQ(run.exitCode, 0) << ::testing::PrintToString(args) << run.err;
        EXPECT_EQ(run.out, decodeHelp.out) << ::testing::PrintToString(args);
    }
    EXPECT_EQ(RunWith({"generate", "--seed", "3", "--help"}).out, RunWith({"generate", "-h"}).out);
    EXPECT_THAT(RunWith({"decode", "--", "--help"}).err, HasSubstr("Argument 1 (\"--help\")"));
    // Once a number has been taken, the option library would read the words after "--" as
    // options again.
    EXPECT_THAT(RunWith({"decode", "74", "--", "--help"}).err,
                HasSubstr("Argument 2 (\"--help\")"));
    EXPECT_EQ(RunWith({"decode", "74", "34", "55", "22", "--", "86", "60", "47", "21"}).out,
              RunWith({"decode", "74", "34", "55", "22", "86", "60", "47", "21"}).out);
}

TEST(CommandLine, UsageErrorsExitTwoAndNameTheArgument) {
    const std::vector<std::vector<std::string>> wrong{
        {},
        {"generate", "--count", "0"},
        {"generate", "--count", "x"},
        {"generate", "--count", "99999999999"},
        {"generate", "--seed", "-1"},
        {"generate", "--seed", "4294967296"},
        {"generate", "--colour"},
        {"generate", "extra"},
        {"solve"},
    };
    for (const auto& args : wrong) {
        const CliRun run = RunWith(args);
        EXPECT_EQ(run.exitCode, 2) << ::testing::PrintToString(args);
        EXPECT_THAT(run.out, IsEmpty());
        EXPECT_THAT(run.err, Not(IsEmpty()));
        if (args.size() > 1) {
            EXPECT_THAT(run.err, HasSubstr(args[1].substr(0, 4))) << run.err;
        }
    }
}

const std::vector<std::string> kWorkedExample{"74", "34", "55", "22", "86", "60", "47", "21"};

std::vector<std::string> DecodeArgs(std::vector<std::string> numbers) {
    numbers.insert(numbers.begin(), "decode");
    return numbers;
}

TEST(CommandLine, DecodePrintsTheRowsAndTheSolution) {
    const CliRun run = RunWith(DecodeArgs(kWorkedExample));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_THAT(run.err, IsEmpty());
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 10U);
    EXPECT_EQ(lines[0], "Professor Quillon   74");
    EXPECT_EQ(lines[7], "Kommissar Morvek    21");
    EXPECT_EQ(lines[8], "Täter: Frau Sorrak");
    EXPECT_EQ(lines[9], "Versteck: Kirmes");

    const std::string typed = " 74\t34\r\n55 22\n\n86 60 47 21\n";
    EXPECT_EQ(RunWith({"decode"}, typed).out, run.out);
    EXPECT_EQ(RunWith({"decode", "-"}, typed).out, run.out);

    const CliRun json = RunWith({"decode", "--json", "-"}, typed);
    ASSERT_EQ(json.exitCode, 0);
    const nlohmann::json report = nlohmann::json::parse(json.out);
    EXPECT_EQ(report["culprit"], "Frau Sorrak");
    EXPECT_EQ(report["place"], "Kirmes");
    EXPECT_EQ(report["rows"][1]["hint"], 34);
}

// The command's whole path from the typed words to the printed solution, short of parsing the
// options, for every case that generating can make.
TEST(CommandLine, EveryPossibleCaseDecodesOnTheCommandLine) {
    std::istringstream noInput;
    ForEachPossibleCase([&](const PossibleCase& possible) {
        std::vector<std::string> numbers;
        for (const int hint : possible.hintNumbers) {
            numbers.push_back(std::to_string(hint));
        }
        std::ostringstream out;
        std::ostringstream err;
        const int code = RunDecode(numbers, false, noInput, InputDevice::FileOrPipe, out, err);
        const std::string solution = "Täter: " + std::string(*SuspectName(possible.culprit)) +
                                     "\nVersteck: " + std::string(possible.place) + "\n";
        if (code != 0 || !out.str().ends_with(solution)) {
            ADD_FAILURE() << ::testing::PrintToString(numbers) << err.str();
        }
    });
}

TEST(CommandLine, DecodeErrorsPrintTheGermanTextAndExitOne) {
    const CliRun invalid = RunWith(DecodeArgs({"74", "34", "55", "22", "86", "60", "47", "12"}));
    EXPECT_EQ(invalid.exitCode, 1);
    EXPECT_THAT(invalid.out, IsEmpty());
    EXPECT_EQ(invalid.err,
              "FEHLER 100: 12 ist keine gültige Hinweisnummer für Kommissar Morvek.\n");

    const CliRun unsound = RunWith({"decode"}, "74 34 55 22 86 60 47 45");
    EXPECT_EQ(unsound.exitCode, 1);
    EXPECT_THAT(unsound.out, IsEmpty());
    EXPECT_EQ(unsound.err, "FEHLER 101: Diese Hinweisnummern ergeben keinen gültigen Fall.\n");
}

TEST(CommandLine, DecodeUsageErrorsNameTheWrongArgument) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> wrong{
        {{"74", "34", "55"}, "erhalten 3: für Zeuge 4 fehlt die Nummer."},
        {{"74", "34", "55", "22", "86", "60", "47", "21", "9"},
         "Argument 9 (\"9\") ist eine zu viel."},
        {{"74", "34", "x", "22", "86", "60", "47", "21"}, "Argument 3 (\"x\") ist keine ganze"},
        {{"74", "34", "55", "22", "86", "60", "47", "2147483648"},
         "Argument 8 (\"2147483648\") ist zu groß"},
        {{"74", "34", "55", "22", "86", "60", "47", "21.0"}, "Argument 8 (\"21.0\")"},
        {{"74", "-"}, "Argument 2 (\"-\")"},
        {{"74", "34", "55", "22", "86", "60", "47", "-x"}, "-x"},
    };
    for (const auto& [numbers, message] : wrong) {
        const CliRun run = RunWith(DecodeArgs(numbers));
        EXPECT_EQ(run.exitCode, 2) << message;
        EXPECT_THAT(run.out, IsEmpty());
        EXPECT_THAT(run.err, HasSubstr(message));
    }
    const std::vector<std::pair<std::string, std::string>> wrongInput{
        {"", "erhalten 0 auf der Standardeingabe: für Zeuge 1 fehlt die Nummer."},
        {"74 34 55 22 86 60 47 21 9", "Zahl 9 auf der Standardeingabe (\"9\") ist eine zu viel."},
        {"74,34,55 22 86 60 47 21", "Zahl 1 auf der Standardeingabe (\"74,34,55\") ist keine"},
        {"74 34 55 22 86 60 47 2\x01", "Zahl 8 auf der Standardeingabe (\"2?\") ist keine ganze"},
        {std::string(5000, ' '), "mehr als 4096 Bytes bis zum Ende der achten Zahl"},
    };
    for (const auto& [input, message] : wrongInput) {
        const CliRun run = RunWith({"decode"}, input);
        EXPECT_EQ(run.exitCode, 2) << message;
        EXPECT_THAT(run.err, HasSubstr(message));
    }
}

// Standard input that never ends: one byte pattern, repeated for ever.
class EndlessInput : public std::streambuf {
  public:
    explicit EndlessInput(std::string pattern) : pattern(std::move(pattern)) {
        setg(this->pattern.data(), this->pattern.data(),
             this->pattern.data() + this->pattern.size());
    }
    std::size_t bytesRead = 0;

  protected:
    int_type underflow() override {
        bytesRead += pattern.size();
        setg(pattern.data(), pattern.data(), pattern.data() + pattern.size());
        return traits_type::to_int_type(pattern.front());
    }

  private:
    std::string pattern;
};

TEST(CommandLine, EndlessInputIsReadOnlyAsFarAsNeeded) {
    for (const std::string& pattern : {std::string("74 "), std::string(" \n"), std::string(1, '\0'),
                                       std::string("\xff\xfe"
                                                   "7")}) {
        EndlessInput endless(pattern);
        std::istream in(&endless);
        EXPECT_THAT(ReadHintNumbers(in, InputDevice::FileOrPipe).error, Not(IsEmpty()));
        EXPECT_LE(endless.bytesRead, 4096U + pattern.size());
    }
}

}  // namespace
}  // namespace schattwerk
