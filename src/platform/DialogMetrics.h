// Measures in a dialog's font and on its screen, shared by dialogs and by the boxes that size
// their template to a text before the window exists.
#pragma once

#include "platform/Dialog.h"

class QFont;
class QTextDocument;
class QWidget;

namespace platform {

// A quarter of the font's average character width across, an eighth of its height down.
class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font);

    // Each edge on its own, as dialog templates have always been mapped.
    PixelRect Map(const DialogRect& rect) const;
    // The fewest whole units that cover `pixels`.
    int AcrossCovering(int pixels) const;
    int DownCovering(int pixels) const;

  private:
    int baseX;
    int baseY;
};

// How a read-only text control lays out its text: in `font`, without margins, words broken
// at blanks and, when one is longer than a line, anywhere.
void SetUpTextLayout(QTextDocument& document, const QFont& font);

// The work area of the screen that a dialog opens on: its owner's if that shows, else the
// primary one; empty without a screen.
PixelRect WorkAreaFor(const QWidget* owner);

}  // namespace platform
