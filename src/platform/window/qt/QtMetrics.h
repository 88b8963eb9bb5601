// Dialog units and the read-only text layout in a Qt font.
#pragma once

#include <QFont>
#include <QTextDocument>

#include "platform/window/DialogUnits.h"

namespace platform {

DialogUnits DialogUnitsOf(const QFont& font);

// How a read-only text control lays out its text: in `font`, without margins, words broken
// at blanks and, when one is longer than a line, anywhere.
void SetUpTextLayout(QTextDocument& document, const QFont& font);

}  // namespace platform
