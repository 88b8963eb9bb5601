// What a statement tells, as a clue code with its identifier.
#pragma once

#include "case_model/DisplayTexts.h"
#include "case_model/TextFollowingId.h"

namespace schattwerk {

class Clue {
  public:
    // Made as "INVALID" first, so a code without an identifier keeps that one.
    constexpr explicit Clue(ClueCode code = IdInvalid) : record(IdInvalid) { record.SetId(code); }

    constexpr ClueCode Code() const { return record.Id(); }
    constexpr std::string_view Identifier() const { return record.Text(); }
    constexpr void SetCode(ClueCode code) { record.SetId(code); }
    constexpr void UpdateIdentifier() { record.Update(); }

  private:
    TextFollowingId<&ClueIdentifier> record;
};

}  // namespace schattwerk
