// A suspect: its id (the mask of its attributes) and display name.
#pragma once

#include "case_model/DisplayTexts.h"
#include "case_model/TextFollowingId.h"

namespace schattwerk {

class Suspect {
  public:
    constexpr explicit Suspect(SuspectId id = IdInvalid) : record(id) {}

    constexpr SuspectId Id() const { return record.Id(); }
    constexpr std::string_view Name() const { return record.Text(); }
    constexpr void SetId(SuspectId id) { record.SetId(id); }
    constexpr void UpdateName() { record.Update(); }

  private:
    TextFollowingId<&SuspectName> record;
};

}  // namespace schattwerk
