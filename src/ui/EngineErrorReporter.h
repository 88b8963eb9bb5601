// The case engine's errors, shown by the application as its error messages.
#pragma once

#include "case_engine/ErrorReporter.h"

namespace schattwerk {

class EngineErrorReporter : public ErrorReporter {
  public:
    // Shows the error's string-table message, filled with the hint number and the witness's
    // name, and returns once the user has closed it.
    void ReportError(const CaseError& error) override;
};

}  // namespace schattwerk
