// What the web page shows of a case, and the answers it gets for what a person does there: a
// case for a case number, or the case or refusal that eight typed hint fields give.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "case_model/Ids.h"

namespace schattwerk::web {

// The eight rows in witness order, and the solution.
struct PageCase {
    std::array<std::string, WitnessCount> names;
    std::array<std::string, WitnessCount> hints;
    std::string culprit;
    std::string place;
};

// Why typed hint fields gave no case: the message (id 0 for a field that holds no whole number),
// the field to correct (0..7) and the help topic that explains the message.
struct PageRefusal {
    unsigned messageId = 0;
    std::string text;
    int field = 0;
    std::string helpTopic;
};

// A case number is the seed whose first case it is, 0..SharedGenerator::kMaxSeed.
// A new one from the system's cryptographic random source.
std::uint32_t DrawCaseNumber();

// The address fragment that carries a case number, and the number in one ("fall=S", S a case
// number in decimal digits); none for anything else.
std::string CaseFragment(std::uint32_t number);
std::optional<std::uint32_t> ReadCaseFragment(std::string_view fragment);

// The first case that `schattwerk generate --seed <number>` prints.
PageCase CaseOfNumber(std::uint32_t number);

// The case that the eight fields' texts stand for, witnesses 1..8 in order, or why they stand
// for none.
std::variant<PageCase, PageRefusal> DecodeFields(
    const std::array<std::string_view, WitnessCount>& fields);

// The display name of witness 1..8, as the entry fields are labelled.
std::string WitnessLabel(WitnessId witness);

}  // namespace schattwerk::web
