// Simulated input and what shows, on the Qt backend: QTest's key and mouse events on the widgets
// behind the dialog's handles.
#include "support/WindowInput.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QFontDatabase>
#include <QFrame>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QTextEdit>

#include "platform/window/Keys.h"
#include "platform/window/qt/QtMetrics.h"
#include "platform/window/qt/QtWidgets.h"

namespace testsupport {
namespace {

Qt::Key ToQtKey(int virtualKey) {
    switch (virtualKey) {
        case platform::KeyBackspace:
            return Qt::Key_Backspace;
        case platform::KeyTab:
            return Qt::Key_Tab;
        case platform::KeyReturn:
            return Qt::Key_Return;
        case platform::KeyEscape:
            return Qt::Key_Escape;
        default:
            break;
    }
    if (virtualKey >= platform::KeyF1 && virtualKey < platform::KeyF1 + 24) {
        return static_cast<Qt::Key>(Qt::Key_F1 + (virtualKey - platform::KeyF1));
    }
    return static_cast<Qt::Key>(virtualKey);  // digits and letters share their codes
}

Qt::KeyboardModifiers ToQtModifiers(unsigned modifiers) {
    Qt::KeyboardModifiers qt;
    if (modifiers & platform::ModifierShift) {
        qt |= Qt::ShiftModifier;
    }
    if (modifiers & platform::ModifierControl) {
        qt |= Qt::ControlModifier;
    }
    if (modifiers & platform::ModifierAlt) {
        qt |= Qt::AltModifier;
    }
    return qt;
}

QWidget* Window(const platform::Dialog& dialog) {
    return platform::ToWidget(dialog.Handle());
}

}  // namespace

void PressKey(platform::Dialog& dialog, int virtualKey, unsigned modifiers) {
    QWidget* target = Window(dialog)->focusWidget();
    if (target == nullptr) {
        target = Window(dialog);
    }
    QTest::keyClick(target, ToQtKey(virtualKey), ToQtModifiers(modifiers));
}

void TypeText(platform::Dialog& dialog, int controlId, const std::string& text) {
    QWidget* widget = platform::ToWidget(dialog.ItemHandle(controlId));
    ASSERT_NE(widget, nullptr) << controlId;
    QTest::keyClicks(widget, QString::fromStdString(text));
}

void PasteAtCaret(platform::Dialog& dialog, int controlId, const std::string& text) {
    QWidget* field = platform::ToWidget(dialog.ItemHandle(controlId));
    ASSERT_NE(field, nullptr) << controlId;
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

std::string ClipboardText() {
    return QGuiApplication::clipboard()->text().toStdString();
}

void Click(platform::Dialog& dialog, int controlId) {
    QWidget* button = platform::ToWidget(dialog.ItemHandle(controlId));
    ASSERT_NE(button, nullptr) << controlId;
    QTest::mouseClick(button, Qt::LeftButton);
}

void TriggerMenuItem(platform::Dialog& dialog, const std::string& text) {
    for (QAction* action : Window(dialog)->findChildren<QAction*>()) {
        if (action->text().toStdString() == text) {
            action->trigger();
            return;
        }
    }
    ADD_FAILURE() << "no menu item \"" << text << "\"";
}

void CloseWindow(platform::Dialog& dialog) {
    Window(dialog)->close();
}

void ResizeWindow(platform::Dialog& dialog, int width, int height) {
    Window(dialog)->resize(width, height);
}

void MoveWindow(platform::Dialog& dialog, int left, int top) {
    Window(dialog)->move(left, top);
}

bool IsShown(const platform::Dialog& dialog) {
    const QWidget* window = Window(dialog);
    return window != nullptr && window->isVisible();
}

bool ShowsWholeText(const platform::Dialog& dialog, int controlId) {
    const QWidget* widget = platform::ToWidget(dialog.ItemHandle(controlId));
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        return button->sizeHint().width() <= button->width();
    }
    const auto* text = qobject_cast<const QTextEdit*>(widget);
    return text != nullptr && text->verticalScrollBar()->maximum() == 0 &&
           text->document()->idealWidth() <= text->viewport()->width();
}

int TextBottom(const platform::Dialog& dialog, int controlId) {
    QWidget* widget = platform::ToWidget(dialog.ItemHandle(controlId));
    if (widget == nullptr) {
        return -1;
    }
    // Frame lines are drawn too; the text lies within them.
    QRect inside = widget->rect();
    if (const auto* frame = qobject_cast<const QFrame*>(widget)) {
        inside = frame->contentsRect();
    } else if (qobject_cast<const QLineEdit*>(widget) != nullptr) {
        const int frame =
            widget->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, widget);
        inside.adjust(frame, frame, -frame, -frame);
    }
    const QImage image = widget->grab(inside).toImage();
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 100) {
                return widget->y() + inside.top() + static_cast<int>(y / image.devicePixelRatio());
            }
        }
    }
    return -1;
}

platform::DialogUnits SystemFontDialogUnits() {
    return platform::DialogUnitsOf(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
}

platform::PixelRect ScreenWorkArea() {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    return {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
}

std::string AccessibleName(const platform::Dialog& dialog, int controlId) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(
        controlId == 0 ? Window(dialog) : platform::ToWidget(dialog.ItemHandle(controlId)));
    return accessible == nullptr ? std::string()
                                 : accessible->text(QAccessible::Name).toStdString();
}

bool IsAnnouncedAsAlert(const platform::Dialog& dialog) {
    const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(Window(dialog));
    return accessible != nullptr && accessible->role() == QAccessible::AlertMessage;
}

bool ShowsWaitCursor() {
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor != nullptr && cursor->shape() == Qt::WaitCursor;
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const bool met = QTest::qWaitFor(done, static_cast<int>(timeout.count()));
    QCoreApplication::processEvents();
    return met;
}

}  // namespace testsupport
