// Cases for the web page, drawn and decoded by the engine exactly as the command line does.
#include "web/PageCase.h"

#include <charconv>
#include <random>

#include "case_engine/CaseEngine.h"
#include "case_engine/EngineMessages.h"
#include "case_engine/SharedGenerator.h"
#include "case_model/Witness.h"
#include "field_input/FieldInteger.h"

namespace schattwerk::web {
namespace {

constexpr std::string_view kFragmentPrefix = "fall=";
constexpr std::string_view kFieldIntegerHelpTopic = "ref_meldungen.html#l_ganzzahl";

// Keeps the one error that an engine reports per attempt.
class KeptError : public ErrorReporter {
  public:
    void ReportError(const CaseError& reported) override { error = reported; }
    CaseError error;
};

PageCase ShownCase(const CaseEngine& engine) {
    PageCase shown;
    std::size_t row = 0;
    for (const Statement& statement : engine.CaseStatements()) {
        shown.names.at(row) = statement.GetWitness().Name();
        shown.hints.at(row) = statement.HintText();
        ++row;
    }
    shown.culprit = engine.Culprit().Name();
    shown.place = engine.HidingPlace();
    return shown;
}

}  // namespace

std::uint32_t DrawCaseNumber() {
    return std::random_device()() & SharedGenerator::kMaxSeed;
}

std::string CaseFragment(std::uint32_t number) {
    return std::string(kFragmentPrefix) + std::to_string(number);
}

std::optional<std::uint32_t> ReadCaseFragment(std::string_view fragment) {
    if (!fragment.starts_with(kFragmentPrefix)) {
        return std::nullopt;
    }
    const std::string_view digits = fragment.substr(kFragmentPrefix.size());
    std::uint64_t number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size() ||
        number > SharedGenerator::kMaxSeed) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(number);
}

PageCase CaseOfNumber(std::uint32_t number) {
    SharedGenerator::UseSeedsFrom(number);
    KeptError reporter;
    CaseEngine engine(reporter);
    engine.BuildCatalogues();
    engine.Generate();
    return ShownCase(engine);
}

std::variant<PageCase, PageRefusal> DecodeFields(
    const std::array<std::string_view, WitnessCount>& fields) {
    HintNumbers numbers{};
    for (int field = 0; field < WitnessCount; ++field) {
        const std::optional<int> number = ParseFieldInteger(fields.at(field));
        if (!number) {
            return PageRefusal{.messageId = 0,
                               .text = std::string(FieldIntegerRefusal),
                               .field = field,
                               .helpTopic = std::string(kFieldIntegerHelpTopic)};
        }
        numbers.at(field) = *number;
    }
    KeptError reporter;
    CaseEngine engine(reporter);
    engine.BuildCatalogues();
    if (engine.Decode(numbers)) {
        return ShownCase(engine);
    }
    // A refused attempt keeps the statements found before the witness at fault; when all were
    // found, the numbers together are at fault and the entry starts over at the first field.
    const int found = engine.CaseStatements().Count();
    const CaseError& error = reporter.error;
    return PageRefusal{.messageId = error.messageId,
                       .text = FormatCaseError(error),
                       .field = found < WitnessCount ? found : 0,
                       .helpTopic = std::string(EngineMessageHelpTopic(error.messageId))};
}

std::string WitnessLabel(WitnessId witness) {
    return std::string(Witness(witness).Name());
}

}  // namespace schattwerk::web
