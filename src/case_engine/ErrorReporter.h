// How a case engine tells its owner about an error: the owner shows or prints it.
#pragma once

#include <string>

namespace schattwerk {

struct CaseError {
    unsigned messageId = 0;  // id of the message text in the engine's message table
    int hintNumber = 0;      // the values of a message that takes them, in this order
    std::string witnessName;
};

class ErrorReporter {
  public:
    virtual ~ErrorReporter() = default;
    // Returns once the error has been shown.
    virtual void ReportError(const CaseError& error) = 0;
};

}  // namespace schattwerk
