// One witness statement of the catalogue: hint number, witness, wording and clue.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "case_model/Clue.h"
#include "case_model/StatementText.h"
#include "case_model/Witness.h"

namespace schattwerk {

class Statement {
  public:
    // The witness and the clue are made at their defaults and then given their ids, so an id that
    // their tables don't list keeps "niemand" and "INVALID".
    constexpr explicit Statement(int hintNumber = 0, WitnessId witnessId = WitnessNobody,
                                 StatementText text = {}, ClueCode clueCode = IdInvalid)
        : hintNumber(hintNumber), text(text), clue(clueCode) {
        witness.SetId(witnessId);
        UpdateHintText();
    }

    constexpr int HintNumber() const { return hintNumber; }
    constexpr const Witness& GetWitness() const { return witness; }
    constexpr std::string_view Text() const { return text.View(); }
    constexpr const Clue& GetClue() const { return clue; }
    // The hint number in decimal, kept in step with it.
    constexpr std::string_view HintText() const { return {hintText.data(), hintTextLength}; }

    // Writes the digits itself, as std::to_chars would, which cannot run at compile time in C++20.
    constexpr void UpdateHintText() {
        const bool negative = hintNumber < 0;
        unsigned magnitude = static_cast<unsigned>(hintNumber);
        magnitude = negative ? 0U - magnitude : magnitude;
        std::array<char, 10> reversed{};
        std::size_t digits = 0;
        do {
            reversed.at(digits++) = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        std::size_t length = 0;
        if (negative) {
            hintText.at(length++) = '-';
        }
        while (digits > 0) {
            hintText.at(length++) = reversed.at(--digits);
        }
        hintTextLength = static_cast<std::uint8_t>(length);
    }

  private:
    int hintNumber;
    Witness witness;
    StatementText text;
    Clue clue;
    std::array<char, 12> hintText{};  // room for any int, so a statement copies without allocating
    std::uint8_t hintTextLength = 0;
};

}  // namespace schattwerk
