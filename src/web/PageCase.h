// What the web page shows of a case, and the answers it gets for what a person does there: a
// case for a new case number or for an address, or the case or refusal that eight typed hint
// fields give.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "case_model/Ids.h"

namespace schattwerk::web {

// The eight rows in witness order, the solution, and how the case is named: its address fragment
// ("fall=4242" for a drawn case, "hinweise=74-34-55-22-86-60-47-21" for a decoded one), its name
// ("Fall 4242", "Fall 74-34-55-22-86-60-47-21") and the line above its rows ("Fall-Nr. 4242"; a
// decoded case has no number and shows its name). A decoded case opens with its solution shown,
// as the program's window shows it; a drawn one with the solution hidden.
struct PageCase {
    std::array<std::string, WitnessCount> names;
    std::array<std::string, WitnessCount> hints;
    std::string culprit;
    std::string place;
    std::string address;
    std::string name;
    std::string caseLine;
    bool opensSolved = false;
};

// Why the input gave no case: the message, the entry field to correct (0..7) and the page's help
// topic that explains the message.
struct PageRefusal {
    std::string text;
    int field = 0;
    std::string helpTopic;
};

// The start of the page: an address that names no case at all.
struct NoCase {};

// A case number is the seed whose first case it is, 0..SharedGenerator::kMaxSeed.
// A new one from the system's cryptographic random source.
std::uint32_t DrawCaseNumber();

// The first case that `schattwerk generate --seed <number>` prints.
PageCase CaseOfNumber(std::uint32_t number);

// The case that the eight fields' texts stand for, witnesses 1..8 in order, or why they stand
// for none.
std::variant<PageCase, PageRefusal> DecodeFields(
    const std::array<std::string_view, WitnessCount>& fields);

// What an address fragment (without "#") shows: nothing for an empty one, the case of
// "fall=<case number>" or of "hinweise=<eight hint numbers joined by '-'>", or why it shows none.
using AddressAnswer = std::variant<NoCase, PageCase, PageRefusal>;
AddressAnswer CaseOfAddress(std::string_view fragment);

// The display name of witness 1..8, as the entry fields are labelled.
std::string WitnessLabel(WitnessId witness);

}  // namespace schattwerk::web
