// Transfer of a dialog's values into its controls and, checked, back out of them.
#pragma once

namespace platform {

class Dialog;

class DataExchange {
  public:
    DataExchange(Dialog& dialog, bool saveAndValidate)
        : dialog(dialog), saveAndValidate(saveAndValidate) {}

    // True once a field was refused; the exchanges after it do nothing.
    bool Failed() const { return failed; }

    // Into the control: `value` in decimal. Out of it: the control's text as an integer; a text
    // that is none (ParseFieldInteger) shows its refusal, focuses the field and selects
    // its whole text, and leaves `value` unchanged.
    void Integer(int controlId, int& value);

  private:
    Dialog& dialog;
    bool saveAndValidate;
    bool failed = false;
};

}  // namespace platform
