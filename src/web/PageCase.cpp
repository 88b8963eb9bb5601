// Cases for the web page, drawn and decoded by the engine exactly as the command line does, and
// named by the addresses that bring them back.
#include "web/PageCase.h"

#include <algorithm>
#include <charconv>
#include <random>

#include "case_engine/CaseEngine.h"
#include "case_engine/EngineMessages.h"
#include "case_engine/SharedGenerator.h"
#include "case_model/Witness.h"
#include "field_input/FieldInteger.h"

namespace schattwerk::web {
namespace {

constexpr std::string_view kNumberKey = "fall=";
constexpr std::string_view kHintsKey = "hinweise=";
constexpr char kHintSeparator = '-';
// Nine digits always fit an int, so each number of an address is judged by the engine alone.
constexpr std::size_t kMaxAddressHintDigits = 9;

// The page's own help page explains every message the page shows, under the anchors that the
// engine's topics name.
constexpr std::string_view kHelpPage = "ref_webseite.html";
constexpr std::string_view kFieldIntegerAnchor = "#l_ganzzahl";
constexpr std::string_view kAddressAnchor = "#l_adresse";

constexpr std::string_view kBadNumberText =
    "Die Adresse enthält keine gültige Fall-Nr.; erlaubt sind ganze Zahlen von 0 bis ";
constexpr std::string_view kBadHintsText =
    "Die Adresse enthält keine acht Hinweisnummern; erwartet werden acht Zahlen mit „-“ "
    "dazwischen, etwa #hinweise=74-34-55-22-86-60-47-21.";
constexpr std::string_view kRefusedHintsText =
    "Die Hinweisnummern der Adresse ergeben keinen Fall. ";
constexpr std::string_view kNoCaseText =
    "Die Adresse nennt keinen Fall; erwartet wird #fall= mit einer Fall-Nr. oder #hinweise= mit "
    "acht Hinweisnummern.";

// Keeps the one error that an engine reports per attempt.
class KeptError : public ErrorReporter {
  public:
    void ReportError(const CaseError& reported) override { error = reported; }
    CaseError error;
};

std::string HelpTopic(std::string_view anchor) {
    return std::string(kHelpPage) + std::string(anchor);
}

// The page's topic for an engine message, at the anchor of the engine's own topic.
std::string EngineHelpTopic(unsigned messageId) {
    const std::string_view topic = EngineMessageHelpTopic(messageId);
    const std::size_t anchor = topic.find('#');
    return HelpTopic(anchor == std::string_view::npos ? std::string_view() : topic.substr(anchor));
}

PageRefusal AddressRefusal(std::string text) {
    return PageRefusal{.text = std::move(text), .field = 0, .helpTopic = HelpTopic(kAddressAnchor)};
}

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

// A decoded case is named by its eight hint numbers as the engine writes them, so that typed
// leading zeros or blanks leave no trace in its address.
void NameByHints(PageCase& shown) {
    std::string hints;
    for (const std::string& hint : shown.hints) {
        if (!hints.empty()) {
            hints += kHintSeparator;
        }
        hints += hint;
    }
    shown.address = std::string(kHintsKey) + hints;
    shown.name = "Fall " + hints;
    shown.caseLine = shown.name;
    shown.opensSolved = true;
}

// Eight groups of digits joined by kHintSeparator, decoded as eight typed fields.
AddressAnswer CaseOfHintsAddress(std::string_view hints) {
    std::array<std::string_view, WitnessCount> fields{};
    std::size_t count = 0;
    for (std::size_t begin = 0; begin <= hints.size();) {
        const std::size_t end = std::min(hints.find(kHintSeparator, begin), hints.size());
        const std::string_view number = hints.substr(begin, end - begin);
        if (count == fields.size() || number.empty() || number.size() > kMaxAddressHintDigits ||
            number.find_first_not_of("0123456789") != std::string_view::npos) {
            return AddressRefusal(std::string(kBadHintsText));
        }
        fields.at(count++) = number;
        begin = end + 1;
    }
    if (count != fields.size()) {
        return AddressRefusal(std::string(kBadHintsText));
    }
    auto answer = DecodeFields(fields);
    if (auto* refusal = std::get_if<PageRefusal>(&answer)) {
        return AddressRefusal(std::string(kRefusedHintsText) + refusal->text);
    }
    return std::get<PageCase>(std::move(answer));
}

AddressAnswer CaseOfNumberAddress(std::string_view digits) {
    std::uint64_t number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size() ||
        number > SharedGenerator::kMaxSeed) {
        return AddressRefusal(std::string(kBadNumberText) +
                              std::to_string(SharedGenerator::kMaxSeed) + ".");
    }
    return CaseOfNumber(static_cast<std::uint32_t>(number));
}

}  // namespace

std::uint32_t DrawCaseNumber() {
    return std::random_device()() & SharedGenerator::kMaxSeed;
}

PageCase CaseOfNumber(std::uint32_t number) {
    SharedGenerator::UseSeedsFrom(number);
    KeptError reporter;
    CaseEngine engine(reporter);
    engine.BuildCatalogues();
    engine.Generate();
    PageCase shown = ShownCase(engine);
    const std::string digits = std::to_string(number);
    shown.address = std::string(kNumberKey) + digits;
    shown.name = "Fall " + digits;
    shown.caseLine = "Fall-Nr. " + digits;
    return shown;
}

std::variant<PageCase, PageRefusal> DecodeFields(
    const std::array<std::string_view, WitnessCount>& fields) {
    HintNumbers numbers{};
    for (int field = 0; field < WitnessCount; ++field) {
        const std::optional<int> number = ParseFieldInteger(fields.at(field));
        if (!number) {
            return PageRefusal{.text = std::string(FieldIntegerRefusal),
                               .field = field,
                               .helpTopic = HelpTopic(kFieldIntegerAnchor)};
        }
        numbers.at(field) = *number;
    }
    KeptError reporter;
    CaseEngine engine(reporter);
    engine.BuildCatalogues();
    if (engine.Decode(numbers)) {
        PageCase shown = ShownCase(engine);
        NameByHints(shown);
        return shown;
    }
    // A refused attempt keeps the statements found before the witness at fault; when all were
    // found, the numbers together are at fault and the entry starts over at the first field.
    const int found = engine.CaseStatements().Count();
    const CaseError& error = reporter.error;
    return PageRefusal{.text = FormatCaseError(error),
                       .field = found < WitnessCount ? found : 0,
                       .helpTopic = EngineHelpTopic(error.messageId)};
}

AddressAnswer CaseOfAddress(std::string_view fragment) {
    if (fragment.empty()) {
        return NoCase{};
    }
    if (fragment.starts_with(kNumberKey)) {
        return CaseOfNumberAddress(fragment.substr(kNumberKey.size()));
    }
    if (fragment.starts_with(kHintsKey)) {
        return CaseOfHintsAddress(fragment.substr(kHintsKey.size()));
    }
    return AddressRefusal(std::string(kNoCaseText));
}

std::string WitnessLabel(WitnessId witness) {
    return std::string(Witness(witness).Name());
}

}  // namespace schattwerk::web
