// A suspect: its id (the mask of its attributes) and display name.
#pragma once

#include "case_model/DisplayTexts.h"
#include "case_model/TextFollowingId.h"

namespace schattwerk {

class Suspect {
  public:
    explicit Suspect(SuspectId id = IdInvalid) : record(id) {}

    SuspectId Id() const { return record.Id(); }
    std::string_view Name() const { return record.Text(); }
    void SetId(SuspectId id) { record.SetId(id); }
    void UpdateName() { record.Update(); }

  private:
    TextFollowingId<&SuspectName> record;
};

}  // namespace schattwerk
