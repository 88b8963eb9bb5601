// Integer exchange between dialog fields and values.
#include "platform/window/DataExchange.h"

#include <string>

#include "field_input/FieldInteger.h"
#include "platform/window/Dialog.h"
#include "platform/window/StandardMessageBox.h"

namespace platform {

void DataExchange::Integer(int controlId, int& value) {
    if (failed) {
        return;
    }
    if (!saveAndValidate) {
        dialog.SetItemText(controlId, std::to_string(value));
        return;
    }
    if (const std::optional<int> read = schattwerk::ParseFieldInteger(dialog.ItemText(controlId))) {
        value = *read;
        return;
    }
    failed = true;
    ShowStandardMessage(&dialog, schattwerk::FieldIntegerRefusal, SystemIcon::Exclamation);
    dialog.FocusItem(controlId);
    dialog.SelectItemText(controlId);
}

}  // namespace platform
