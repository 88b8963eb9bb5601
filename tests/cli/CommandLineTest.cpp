// The command line as a user calls it: output, reproducibility and exit codes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "case_engine/SharedGenerator.h"
#include "cli/CommandLine.h"

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
    const int code = RunCommandLine(static_cast<int>(argv.size()), argv.data(), in, out, err);
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
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_THAT(lines[i], ::testing::MatchesRegex(std::string(names[i]) + " +[1-9][0-9]"));
    }
    EXPECT_THAT(run.out, Not(HasSubstr("Täter")));
}

TEST(CommandLine, SolutionAddsCulpritAndPlace) {
    const std::vector<std::string> lines =
        Lines(RunWith({"generate", "--seed", "3", "--solution"}).out);
    ASSERT_EQ(lines.size(), 10U);
    EXPECT_THAT(lines[8], ::testing::StartsWith("Täter: "));
    EXPECT_THAT(lines[9], ::testing::MatchesRegex("Versteck: (Bus|Parade|Stand|Kirmes)"));
}

TEST(CommandLine, TheSameSeedGivesTheSameBytes) {
    const std::vector<std::string> args{"generate", "--seed", "4294967295",
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

TEST(CommandLine, VersionAndHelpExitZero) {
    const CliRun version = RunWith({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "Dornak-Schattwerk-Generator v1.02\n");
    const CliRun help = RunWith({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_THAT(help.out, HasSubstr("generate"));
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

}  // namespace
}  // namespace schattwerk
