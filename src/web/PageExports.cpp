// The functions of the WebAssembly module that the page's script calls. A text goes in through
// the input buffer; a case or refusal comes out in the one answer that the readers show until the
// next call that makes one. Texts come back as NUL-terminated UTF-8.
#include <emscripten.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "web/PageCase.h"

using schattwerk::WitnessCount;
namespace web = schattwerk::web;

namespace {

std::string input;
std::string address;
std::string label;
web::PageCase shownCase;
web::PageRefusal refusal;

// The element `index` of `texts`, or the empty text for an index out of range.
template <class Texts>
const char* TextAt(const Texts& texts, int index) {
    return index >= 0 && index < static_cast<int>(texts.size())
               ? texts[static_cast<std::size_t>(index)].c_str()
               : "";
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

EMSCRIPTEN_KEEPALIVE std::uint32_t NewCaseNumber() {
    return web::DrawCaseNumber();
}

// The case number of the address fragment in the input buffer, or -1 for none.
EMSCRIPTEN_KEEPALIVE std::int32_t CaseNumberOfFragment() {
    const std::optional<std::uint32_t> number = web::ReadCaseFragment(input);
    return number ? static_cast<std::int32_t>(*number) : -1;
}

EMSCRIPTEN_KEEPALIVE const char* FragmentOfCase(std::uint32_t number) {
    address = web::CaseFragment(number);
    return address.c_str();
}

EMSCRIPTEN_KEEPALIVE void ShowNumberedCase(std::uint32_t number) {
    shownCase = web::CaseOfNumber(number);
}

// Decodes the fields' texts in the input buffer; 1 with the case to show, 0 with a refusal.
EMSCRIPTEN_KEEPALIVE int DecodeFieldTexts() {
    auto answer = web::DecodeFields(SplitFields(input));
    if (auto* decoded = std::get_if<web::PageCase>(&answer)) {
        shownCase = std::move(*decoded);
        return 1;
    }
    refusal = std::get<web::PageRefusal>(std::move(answer));
    return 0;
}

EMSCRIPTEN_KEEPALIVE const char* RowName(int row) {
    return TextAt(shownCase.names, row);
}

EMSCRIPTEN_KEEPALIVE const char* RowHint(int row) {
    return TextAt(shownCase.hints, row);
}

EMSCRIPTEN_KEEPALIVE const char* CulpritName() {
    return shownCase.culprit.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* HidingPlace() {
    return shownCase.place.c_str();
}

EMSCRIPTEN_KEEPALIVE unsigned RefusalMessageId() {
    return refusal.messageId;
}

EMSCRIPTEN_KEEPALIVE const char* RefusalText() {
    return refusal.text.c_str();
}

EMSCRIPTEN_KEEPALIVE int RefusalField() {
    return refusal.field;
}

EMSCRIPTEN_KEEPALIVE const char* RefusalHelpTopic() {
    return refusal.helpTopic.c_str();
}

// The name of witness 1..8, for the entry field of row witness - 1.
EMSCRIPTEN_KEEPALIVE const char* WitnessName(int witness) {
    label = web::WitnessLabel(witness);
    return label.c_str();
}

}  // extern "C"
