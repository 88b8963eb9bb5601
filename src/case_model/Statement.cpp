// Statement records.
#include "case_model/Statement.h"

#include <charconv>

namespace schattwerk {

Statement::Statement(int hintNumber, WitnessId witnessId, StatementText text, ClueCode clueCode)
    : hintNumber(hintNumber), text(text), clue(clueCode) {
    witness.SetId(witnessId);
    UpdateHintText();
}

void Statement::UpdateHintText() {
    const auto [end, error] = std::to_chars(hintText.begin(), hintText.end(), hintNumber);
    hintTextLength = static_cast<std::uint8_t>(end - hintText.begin());
}

}  // namespace schattwerk
