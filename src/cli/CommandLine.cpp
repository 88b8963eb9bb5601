// The `schattwerk` commands and their options.
#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <cstdint>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "case_engine/CaseEngine.h"
#include "case_engine/EngineMessages.h"
#include "case_engine/SharedGenerator.h"
#include "cli/CaseReport.h"
#include "cli/HintInput.h"
#include "cli/Usage.h"
#include "cli/VersionLine.h"
#include "cli/WholeNumber.h"

namespace schattwerk {
namespace {

constexpr std::size_t kFlushSize = std::size_t{1} << 16;
constexpr const char* kTerminalPrompt =
    "schattwerk decode: die Hinweisnummern der Zeugen 1 bis 8 eingeben, durch Leerzeichen "
    "getrennt, dann die Eingabetaste (Strg+C bricht ab):\n";

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

constexpr NumberRange kCountRange{1, std::numeric_limits<int>::max()};
constexpr NumberRange kSeedRange{0, SharedGenerator::kMaxSeed};

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
    err << "schattwerk: die Ausgabe kann nicht geschrieben werden.\n";
    return ExitCaseError;
}

// The help or the version line: it succeeds only once the text is out.
int Answer(const std::string& text, std::ostream& out, std::ostream& err) {
    out << text;
    return out.flush() ? ExitSuccess : WriteFailed(err);
}

int AnswerVersion(const std::string& programFile, std::ostream& out, std::ostream& err) {
    const std::optional<std::string> line = VersionLine(programFile);
    if (!line) {
        err << "schattwerk: die Versionsangaben der Programmdatei fehlen.\n";
        return ExitCaseError;
    }
    return Answer(*line + "\n", out, err);
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

int RunDecode(std::span<const std::string> numbers, bool json, std::istream& in,
              InputDevice inputDevice, std::ostream& out, std::ostream& err) {
    const bool fromInput = numbers.empty() || (numbers.size() == 1 && numbers[0] == "-");
    if (fromInput && inputDevice == InputDevice::Terminal) {
        // Else the command would wait without a word for someone who typed it without numbers.
        err << kTerminalPrompt << std::flush;
    }
    const HintInput input =
        fromInput ? ReadHintNumbers(in, inputDevice) : ParseHintArguments(numbers);
    if (!input.error.empty()) {
        err << UsageErrorText("decode", input.error);
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
                   std::ostream& err, InputDevice inputDevice, const std::string& programFile) {
    CLI::App app("Neue Fälle für das Detektivspiel Dornak Schattwerk.", "schattwerk");
    const int optionArgc = WordsBeforeMark(argc, argv);
    UseGermanTexts(app, optionArgc > 1 ? argv[optionArgc - 1] : "");
    app.add_flag(kVersionFlag)->description("Zeigt die Version");
    app.require_subcommand(1);

    GenerateOptions generate;
    CLI::App* generateCommand =
        AddCommand(app, "generate", "Erzeugt neue Fälle und gibt ihre Hinweisnummern aus.");
    AddNumberOption(*generateCommand, "--count", generate.count, kCountRange, "ANZAHL",
                    "Anzahl der Fälle " + RangeText(kCountRange) + ", ohne Angabe 1");
    AddNumberOption(
        *generateCommand, "--seed", generate.seed, kSeedRange, "STARTWERT",
        "Startwert " + RangeText(kSeedRange) + "; derselbe Startwert gibt dieselben Fälle");
    AddFlag(*generateCommand, "--solution", generate.solution, "Gibt auch Täter und Versteck aus");
    AddFlag(*generateCommand, "--json", generate.json, "Ein JSON-Objekt je Fall und Zeile");

    DecodeOptions decode;
    CLI::App* decodeCommand = AddCommand(
        app, "decode",
        "Entschlüsselt die acht Hinweisnummern eines Falls und gibt ihn mit Lösung aus.");
    decodeCommand
        ->add_option("NUMMER", decode.numbers,
                     "Die Hinweisnummern der Zeugen 1 bis 8; ohne sie oder mit - liest decode "
                     "sie von der Standardeingabe, durch Leerraum getrennt")
        ->type_name("");
    AddFlag(*decodeCommand, "--json", decode.json, "Ein JSON-Objekt in einer Zeile");

    switch (RequestOf(app, argc, argv)) {
        case Request::Help:
            return Answer(HelpText(app, argc, argv), out, err);
        case Request::Version:
            return AnswerVersion(programFile, out, err);
        case Request::Run:
            break;
    }
    if (const std::optional<std::string> refused = MisreadWords(app, argc, argv)) {
        err << *refused;
        return ExitUsage;
    }
    try {
        app.parse(optionArgc, argv);
    } catch (const CLI::ParseError& error) {
        app.exit(error, out, err);
        return ExitUsage;
    }
    if (generateCommand->parsed()) {
        return RunGenerate(generate, out, err);
    }
    if (decodeCommand->parsed()) {
        const std::vector<std::string> arguments = WordsAfterMark(argc, argv);
        decode.numbers.insert(decode.numbers.end(), arguments.begin(), arguments.end());
        return RunDecode(decode.numbers, decode.json, in, inputDevice, out, err);
    }
    return ExitUsage;
}

}  // namespace schattwerk
