// The functions of the WebAssembly module that the page's script calls. A text goes in through
// the input buffer; each answer is one NUL-terminated UTF-8 text of lines, valid until the next
// call. A case reads "case", its address, name, case line, "shown" or "hidden" for how its
// solution opens, culprit and place, then each row's witness and hint number; a refusal reads
// "refusal", its text, the field at fault and the help topic; no case at all is the empty text.
#include <emscripten.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <variant>

#include "web/PageCase.h"

using schattwerk::WitnessCount;
namespace web = schattwerk::web;

namespace {

std::string input;
std::string answer;

void Answer(const web::NoCase&) {
    answer.clear();
}

void Answer(const web::PageCase& shown) {
    const std::string solution = shown.opensSolved ? "shown" : "hidden";
    answer = "case";
    for (const std::string* line :
         {&shown.address, &shown.name, &shown.caseLine, &solution, &shown.culprit, &shown.place}) {
        answer += '\n' + *line;
    }
    for (std::size_t row = 0; row < shown.names.size(); ++row) {
        answer += '\n' + shown.names[row] + '\n' + shown.hints[row];
    }
}

void Answer(const web::PageRefusal& refusal) {
    answer = "refusal\n" + refusal.text + '\n' + std::to_string(refusal.field) + '\n' +
             refusal.helpTopic;
}

template <class... Answers>
const char* AnswerOf(const std::variant<Answers...>& given) {
    std::visit([](const auto& one) { Answer(one); }, given);
    return answer.c_str();
}

// The eight fields' texts, separated by line feeds, which a field cannot hold. A missing text reads
// as empty and whatever follows a seventh line feed stays with the eighth text, so either is
// refused as no whole number.
std::array<std::string_view, WitnessCount> SplitFields(std::string_view texts) {
    std::array<std::string_view, WitnessCount> fields{};
    for (std::size_t field = 0; field + 1 < fields.size(); ++field) {
        const std::size_t end = std::min(texts.find('\n'), texts.size());
        fields[field] = texts.substr(0, end);
        texts.remove_prefix(std::min(end + 1, texts.size()));
    }
    fields.back() = texts;
    return fields;
}

}  // namespace

extern "C" {

// Room for a text of `length` bytes, for the call that reads it next.
EMSCRIPTEN_KEEPALIVE char* InputBuffer(int length) {
    input.assign(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    return input.data();
}

// A case of a newly drawn case number.
EMSCRIPTEN_KEEPALIVE const char* NewCase() {
    Answer(web::CaseOfNumber(web::DrawCaseNumber()));
    return answer.c_str();
}

// What the address fragment in the input buffer shows.
EMSCRIPTEN_KEEPALIVE const char* CaseOfAddress() {
    return AnswerOf(web::CaseOfAddress(input));
}

// The case or refusal of the fields' texts in the input buffer.
EMSCRIPTEN_KEEPALIVE const char* DecodeFieldTexts() {
    return AnswerOf(web::DecodeFields(SplitFields(input)));
}

// The names of witnesses 1..8, one a line, as the entry fields are labelled.
EMSCRIPTEN_KEEPALIVE const char* WitnessNames() {
    answer.clear();
    for (int witness = 1; witness <= WitnessCount; ++witness) {
        answer += (witness > 1 ? "\n" : "") + web::WitnessLabel(witness);
    }
    return answer.c_str();
}

}  // extern "C"
