// The eight hint numbers of `schattwerk decode`, read from its arguments or from standard input.
#pragma once

#include <iosfwd>
#include <span>
#include <string>

#include "case_engine/CaseEngine.h"

namespace schattwerk {

struct HintInput {
    HintNumbers numbers{};
    std::string error;  // empty when all eight numbers were read; else what is wrong, for the user
};

// One whole number in each argument, for witnesses 1..8.
HintInput ParseHintArguments(std::span<const std::string> arguments);

// Eight whole numbers separated by white space. Reads at most a few kilobytes and stops as soon
// as a ninth number begins, so endless or binary input neither fills memory nor keeps it waiting.
HintInput ReadHintNumbers(std::istream& in);

}  // namespace schattwerk
