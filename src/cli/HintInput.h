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

// Where standard input comes from. A terminal hands over a line at a time and sends no end until
// the user types one, so reading stops at the end of the line that completes eight numbers.
enum class InputDevice { FileOrPipe, Terminal };

// One whole number in each argument, for witnesses 1..8.
HintInput ParseHintArguments(std::span<const std::string> arguments);

// Eight whole numbers separated by white space, after an optional UTF-8 byte-order mark. Stops as
// soon as a ninth number begins, reads at most 4096 bytes up to the end of the eighth number and
// at most 1 MiB in all, so endless or binary input neither fills memory nor keeps it waiting.
HintInput ReadHintNumbers(std::istream& in, InputDevice device);

}  // namespace schattwerk
