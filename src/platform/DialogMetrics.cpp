// Dialog units, the read-only text layout and the screen a dialog opens on.
#include "platform/DialogMetrics.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QTextDocument>
#include <QTextOption>
#include <QWidget>

namespace platform {
namespace {

// Round-half-away multiplication and division, as dialog-unit mapping has always done it.
int MulDiv(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>((product >= 0 ? product + half : product - half) / denominator);
}

int Covering(int pixels, int unitsPerBase, int base) {
    return static_cast<int>((static_cast<long long>(pixels) * unitsPerBase + base - 1) / base);
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    baseX = std::max(1, MulDiv(metrics.horizontalAdvance(alphabet), 1, 52));
    baseY = std::max(1, metrics.height());
}

PixelRect DialogUnits::Map(const DialogRect& rect) const {
    return {MulDiv(rect.x, baseX, 4), MulDiv(rect.y, baseY, 8),
            MulDiv(rect.x + rect.width, baseX, 4), MulDiv(rect.y + rect.height, baseY, 8)};
}

int DialogUnits::AcrossCovering(int pixels) const {
    return Covering(pixels, 4, baseX);
}

int DialogUnits::DownCovering(int pixels) const {
    return Covering(pixels, 8, baseY);
}

void SetUpTextLayout(QTextDocument& document, const QFont& font) {
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    QTextOption option = document.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document.setDefaultTextOption(option);
}

PixelRect WorkAreaFor(const QWidget* owner) {
    const QScreen* screen =
        owner != nullptr && owner->isVisible() ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    const QRect area = screen->availableGeometry();
    return {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
}

}  // namespace platform
