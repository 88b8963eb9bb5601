// Transfer of a dialog's values into its controls and, checked, back out of them.
#pragma once

#include <optional>
#include <string_view>

namespace platform {

class Dialog;

class DataExchange {
  public:
    DataExchange(Dialog& dialog, bool saveAndValidate)
        : dialog(dialog), saveAndValidate(saveAndValidate) {}

    bool SaveAndValidate() const { return saveAndValidate; }
    // True once a field was refused; the exchanges after it do nothing.
    bool Failed() const { return failed; }

    // Into the control: `value` in decimal. Out of it: the control's text as an integer; a text
    // that is none shows "Geben Sie bitte eine ganze Zahl ein.", focuses the field and selects
    // its whole text, and leaves `value` unchanged.
    void Integer(int controlId, int& value);

  private:
    Dialog& dialog;
    bool saveAndValidate;
    bool failed = false;
};

// The integer a field's text holds: blanks and tabs, an optional sign with decimal digits, blanks
// and tabs. Zero only when the first non-blank is the digit 0, so "", "-", "+0" and "-0" hold none;
// neither does a number beyond the integer range.
std::optional<int> ParseFieldInteger(std::string_view text);

}  // namespace platform
