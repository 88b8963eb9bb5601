// A witness: its id and display name.
#pragma once

#include "case_model/DisplayTexts.h"
#include "case_model/TextFollowingId.h"

namespace schattwerk {

class Witness {
  public:
    explicit Witness(WitnessId id = WitnessNobody) : record(id) {}

    WitnessId Id() const { return record.Id(); }
    std::string_view Name() const { return record.Text(); }
    void SetId(WitnessId id) { record.SetId(id); }
    void UpdateName() { record.Update(); }

  private:
    TextFollowingId<&WitnessName> record;
};

}  // namespace schattwerk
