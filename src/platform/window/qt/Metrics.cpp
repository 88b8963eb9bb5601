// Measures in Qt's fonts and screens: dialog units, laid-out text and the work area.
#include <QApplication>
#include <QFontMetrics>
#include <QScreen>
#include <QTextOption>
#include <cmath>

#include "platform/window/Backend.h"
#include "platform/window/qt/QtMetrics.h"
#include "platform/window/qt/QtWidgets.h"

namespace platform {
namespace {

QTextDocument* LaidOut(QTextDocument& document, std::string_view text) {
    SetUpTextLayout(document, QApplication::font());
    document.setPlainText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    return &document;
}

int CeilPixels(double pixels) {
    return static_cast<int>(std::ceil(pixels));
}

}  // namespace

DialogUnits DialogUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {MulDiv(metrics.horizontalAdvance(alphabet), 1, 52), metrics.height()};
}

void SetUpTextLayout(QTextDocument& document, const QFont& font) {
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    QTextOption option = document.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document.setDefaultTextOption(option);
}

namespace backend {

DialogUnits DefaultDialogUnits() {
    return DialogUnitsOf(QApplication::font());
}

int DefaultLineHeight() {
    return QFontMetrics(QApplication::font()).height();
}

int IdealTextWidth(std::string_view text) {
    QTextDocument document;
    return CeilPixels(LaidOut(document, text)->idealWidth());
}

int TextHeight(std::string_view text, int width) {
    QTextDocument document;
    LaidOut(document, text)->setTextWidth(width);
    return CeilPixels(document.size().height());
}

PixelRect WorkAreaFor(const Dialog* owner) {
    const QWidget* window = owner != nullptr ? ToWidget(owner->Handle()) : nullptr;
    const QScreen* screen = window != nullptr && window->isVisible()
                                ? window->screen()
                                : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    const QRect area = screen->availableGeometry();
    return {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
}

}  // namespace backend
}  // namespace platform
