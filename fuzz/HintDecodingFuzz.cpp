// Eight arbitrary numbers typed as a case's hint numbers: the engine must decode exactly the
// possible cases, to their culprit and hiding place, and refuse anything else with the one error
// that the numbers call for.
#include <cstdint>
#include <cstring>
#include <vector>

#include "support/DecodeOracle.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

class RecordedErrors : public schattwerk::ErrorReporter {
  public:
    void ReportError(const schattwerk::CaseError& error) override { errors.push_back(error); }
    std::vector<schattwerk::CaseError> errors;
};

// Mostly numbers of the catalogue's range, so that whole cases come up: a byte below 200 is the
// number byte / 2; any other byte takes the next four bytes as the number.
schattwerk::HintNumbers NumbersFrom(const std::uint8_t* data, std::size_t size) {
    schattwerk::HintNumbers hints{};
    std::size_t at = 0;
    for (int& hint : hints) {
        const std::uint8_t mode = at < size ? data[at++] : 0;
        if (mode < 200) {
            hint = mode / 2;
            continue;
        }
        std::uint8_t bytes[4]{};
        for (std::uint8_t& byte : bytes) {
            byte = at < size ? data[at++] : 0;
        }
        std::int32_t number = 0;
        std::memcpy(&number, bytes, sizeof number);
        hint = number;
    }
    return hints;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const schattwerk::DecodeOracle oracle;
    const schattwerk::HintNumbers hints = NumbersFrom(data, size);
    const schattwerk::DecodeVerdict expected = oracle.Expected(hints);

    RecordedErrors reporter;
    schattwerk::CaseEngine engine(reporter);
    engine.BuildCatalogues();
    const bool decoded = engine.Decode(hints);
    Require(decoded == expected.decoded && engine.CaseValid() == decoded);
    if (decoded) {
        Require(reporter.errors.empty());
        Require(engine.Culprit().Id() == expected.culprit);
        Require(engine.PlaceStatement().GetClue().Identifier() == expected.place);
        int witness = 0;
        for (const schattwerk::Statement& statement : engine.CaseStatements()) {
            Require(statement.GetWitness().Id() == witness + 1);
            Require(statement.HintNumber() == hints[static_cast<std::size_t>(witness++)]);
        }
        Require(witness == schattwerk::WitnessCount);
    } else {
        Require(reporter.errors.size() == 1);
        const schattwerk::CaseError& error = reporter.errors.front();
        Require(error.messageId == expected.error.messageId);
        Require(error.hintNumber == expected.error.hintNumber);
        Require(error.witnessName == expected.error.witnessName);
        Require(!schattwerk::FormatCaseError(error).empty());
    }
    return 0;
}
