// One witness statement of the catalogue: hint number, witness, wording and clue.
#pragma once

#include <array>
#include <string_view>

#include "case_model/Clue.h"
#include "case_model/StatementText.h"
#include "case_model/Witness.h"

namespace schattwerk {

class Statement {
  public:
    // The witness and the clue are made at their defaults and then given their ids, so an id that
    // their tables don't list keeps "niemand" and "INVALID".
    explicit Statement(int hintNumber = 0, WitnessId witnessId = WitnessNobody,
                       StatementText text = {}, ClueCode clueCode = IdInvalid);

    int HintNumber() const { return hintNumber; }
    const Witness& GetWitness() const { return witness; }
    std::string_view Text() const { return text.View(); }
    const Clue& GetClue() const { return clue; }
    // The hint number in decimal, kept in step with it.
    std::string_view HintText() const { return {hintText.data(), hintTextLength}; }

    void UpdateHintText();

  private:
    int hintNumber;
    Witness witness;
    StatementText text;
    Clue clue;
    std::array<char, 12> hintText{};  // room for any int, so a statement copies without allocating
    std::uint8_t hintTextLength = 0;
};

}  // namespace schattwerk
