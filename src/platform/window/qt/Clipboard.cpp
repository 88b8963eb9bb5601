// The clipboard on Qt.
#include <QClipboard>
#include <QGuiApplication>

#include "platform/window/Backend.h"

namespace platform::backend {

void CopyToClipboard(std::string_view text) {
    QGuiApplication::clipboard()->setText(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace platform::backend
