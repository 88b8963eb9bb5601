// The `schattwerk` commands and their options.
#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "case_engine/CaseEngine.h"
#include "case_engine/EngineMessages.h"
#include "case_engine/SharedGenerator.h"
#include "cli/ArgumentText.h"
#include "cli/CaseReport.h"
#include "cli/HintInput.h"
#include "version/ProgramVersion.h"

namespace schattwerk {
namespace {

constexpr std::size_t kFlushSize = std::size_t{1} << 16;

// Prints an engine's errors, in the program's German wording, to the error stream.
class StreamReporter : public ErrorReporter {
  public:
    explicit StreamReporter(std::ostream& err) : err(err) {}
    void ReportError(const CaseError& error) override { err << FormatCaseError(error) << '\n'; }

  private:
    std::ostream& err;
};

struct GenerateOptions {
    int count = 1;
    std::optional<std::uint32_t> seed;
    bool json = false;
    bool solution = false;
};

struct DecodeOptions {
    std::vector<std::string> numbers;
    bool json = false;
};

// More than any option's range needs.
constexpr std::size_t kMaxDigits = 20;

// The library alone would read "010" as octal, "0x10" as hexadecimal and " 10" as 10; numbers
// are written in decimal digits only, as `decode` reads them, and leading zeros change nothing.
const CLI::Validator kDecimalDigits(
    [](std::string& text) {
        if (text.empty() ||
            !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            return QuoteArgument(text) + " is not a whole number in decimal digits";
        }
        text.erase(0, std::min(text.find_first_not_of('0'), text.size() - 1));
        return text.size() > kMaxDigits ? QuoteArgument(text) + " is too large" : std::string();
    },
    "");

ReportOptions ReportOptionsOf(bool json, bool solution) {
    return {json ? ReportFormat::Json : ReportFormat::Text, solution};
}

// Writes `buffer` out and empties it; false when the stream failed.
bool Flush(std::string& buffer, std::ostream& out) {
    out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    buffer.clear();
    return static_cast<bool>(out);
}

int WriteFailed(std::ostream& err) {
    err << "schattwerk: cannot write the output\n";
    return ExitCaseError;
}

int RunGenerate(const GenerateOptions& options, std::ostream& out, std::ostream& err) {
    if (options.seed) {
        SharedGenerator::UseSeedsFrom(*options.seed);
    } else {
        SharedGenerator::UseClockSeeds();
    }
    const ReportOptions report = ReportOptionsOf(options.json, options.solution);
    StreamReporter reporter(err);
    std::string buffer;
    for (int i = 0; i < options.count; ++i) {
        CaseEngine engine(reporter);
        engine.BuildCatalogues();
        engine.Generate();
        if (i > 0 && report.format == ReportFormat::Text) {
            buffer += '\n';
        }
        AppendCaseReport(engine, report, buffer);
        if (buffer.size() >= kFlushSize && !Flush(buffer, out)) {
            return WriteFailed(err);
        }
    }
    if (!Flush(buffer, out) || !out.flush()) {
        return WriteFailed(err);
    }
    return ExitSuccess;
}

}  // namespace

int RunDecode(std::span<const std::string> numbers, bool json, std::istream& in, std::ostream& out,
              std::ostream& err) {
    const bool fromInput = numbers.empty() || (numbers.size() == 1 && numbers[0] == "-");
    const HintInput input = fromInput ? ReadHintNumbers(in) : ParseHintArguments(numbers);
    if (!input.error.empty()) {
        err << "schattwerk decode: " << input.error << '\n';
        return ExitUsage;
    }
    StreamReporter reporter(err);
    CaseEngine engine(reporter);
    engine.BuildCatalogues();
    if (!engine.Decode(input.numbers)) {
        return ExitCaseError;
    }
    std::string buffer;
    AppendCaseReport(engine, ReportOptionsOf(json, true), buffer);
    if (!Flush(buffer, out) || !out.flush()) {
        return WriteFailed(err);
    }
    return ExitSuccess;
}

int RunCommandLine(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    CLI::App app("New cases for the deduction game Dornak Schattwerk.", "schattwerk");
    app.set_version_flag("--version",
                         std::string(kProductName) + " " + FormatVersionText(kProgramVersion));
    app.require_subcommand(1);

    GenerateOptions generate;
    CLI::App* generateCommand =
        app.add_subcommand("generate", "Draw new random cases and print their hint numbers.");
    generateCommand->add_option("--count", generate.count, "Number of cases (default 1)")
        ->transform(kDecimalDigits)
        ->check(CLI::Range(1, std::numeric_limits<int>::max()));
    generateCommand
        ->add_option("--seed", generate.seed,
                     "Seed (0 to 4294967295); the same seed prints the same cases")
        ->transform(kDecimalDigits);
    generateCommand->add_flag("--solution", generate.solution, "Also print culprit and place");
    generateCommand->add_flag("--json", generate.json, "One JSON object per case and line");

    DecodeOptions decode;
    CLI::App* decodeCommand = app.add_subcommand(
        "decode", "Decode the eight hint numbers of a case and print it with its solution.");
    decodeCommand->add_option("numbers", decode.numbers,
                              "The hint numbers of witnesses 1 to 8; none or - to read them from "
                              "standard input, separated by white space");
    decodeCommand->add_flag("--json", decode.json, "One JSON object on one line");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        // --help and --version succeed only once their text is out.
        if (app.exit(error, out, err) != 0) {
            return ExitUsage;
        }
        return out.flush() ? ExitSuccess : WriteFailed(err);
    }
    if (generateCommand->parsed()) {
        return RunGenerate(generate, out, err);
    }
    if (decodeCommand->parsed()) {
        return RunDecode(decode.numbers, decode.json, in, out, err);
    }
    return ExitUsage;
}

}  // namespace schattwerk
