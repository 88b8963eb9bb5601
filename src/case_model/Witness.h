// A witness: its id and display name.
#pragma once

#include "case_model/DisplayTexts.h"
#include "case_model/TextFollowingId.h"

namespace schattwerk {

class Witness {
  public:
    constexpr explicit Witness(WitnessId id = WitnessNobody) : record(id) {}

    constexpr WitnessId Id() const { return record.Id(); }
    constexpr std::string_view Name() const { return record.Text(); }
    constexpr void SetId(WitnessId id) { record.SetId(id); }
    constexpr void UpdateName() { record.Update(); }

  private:
    TextFollowingId<&WitnessName> record;
};

}  // namespace schattwerk
